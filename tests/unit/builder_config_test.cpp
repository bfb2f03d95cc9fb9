// tessel-build's configuration file: every key read back by the launcher's
// own block readers, the key reference, and the errors for bad input.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "builder/build_launcher.h"
#include "builder/toml_config.h"
#include "launcher/config_loader.h"
#include "launcher/config_store.h"
#include "launcher/message_table.h"
#include "tests/unit/builder_test_image.h"
#include "tests/unit/fake_platform.h"

namespace {

const std::string configPath = TESSEL_SOURCE_DIR "/java/sample/test.toml";  // paths are relative to the sample

// The keys whose value the round trip cannot make from the type, with the
// settings they write; a family's samples are named as they are written.
struct Sample {
    const char* key;
    const char* value;
    std::map<int32_t, std::string> settings;
};
const Sample samples[] = {
    {"arch", "\"x64\"", {}},
    {"output", "\"out/app.exe\"", {}},
    {"flavour", "\"orvane\"", {{2001, "o"}}},
    {"icon", "\"hello.ico\"", {}},
    {"execution_level", "\"requireAdministrator\"", {}},
    {"application.name", "\"Grüße\"", {{101, "Gr\xFC\xDF" "e"}}},
    {"application.main_class", "\"com.example.Main\"", {{122, "com.example.app/com.example.Main"}}},
    {"application.main_module", "\"com.example.app\"", {{133, "1"}}},
    {"application.type", "\"console\"", {{107, "0"}}},
    {"application.arguments", R"(["one", "two words", 'say "hi"', ""])", {{124, "one \"two words\" 'say \"hi\"' \"\""}}},
    {"application.native_library_dirs", R"(['lib\x64', "bin"])", {{10004, "lib\\x64;bin"}}},
    {"application.stderr_file", "\"err.log\"", {{102, "1"}, {103, "err.log"}}},
    {"application.stdout_file", "\"out.log\"", {{104, "1"}, {105, "out.log"}}},
    {"application.console_switch", "false", {{156, "0"}}},
    {"class_path", R"([{type = "archive", path = 'lib\a.jar'}, {type = "scan", path = "ext", required = false}])",
     {{121, "A1lib\\a.jar;S0ext;"}}},
    {"module_path", R"([{type = "environment", path = "MODS"}])", {{132, "E1MODS;"}}},
    {"vm.options", R"("-Xmx1g '-Dx=a b'")", {{123, "-Xmx1g '-Dx=a b'"}}},
    {"vm.version_options", R"([{version = "1.8", options = ["-XX:+UseG1GC"]}, {version = "17", options = "-Da"}])",
     {{10200, "2"}, {10201, "1.8"}, {10202, "-XX:+UseG1GC"}, {10203, "17"}, {10204, "-Da"}}},
    {"java.search", R"([{type = "bundled", value = 'jre'}, {type = "directory", value = 'C:\Java'},
                        {type = "environment", value = "JAVA_HOME"}, {type = "path"}, {type = "registry"}])",
     {{128, "Bjre;AC:\\Java;EJAVA_HOME;S;Y;"}}},
    {"single_instance.activate_running", "false", {{10007, "0"}}},
    {"splash.images", R"([{scale = 1.0, file = "splash.png"}, {scale = 2.0, file = "splash.png"}])", {}},
    {"splash.status.colour", "[1, 2, 3]", {{10114, "1,2,3"}}},
    {"splash.version.colour", "[255, 255, 255]", {{10121, "255,255,255"}}},
    {"files", R"([{name = 'conf\app.properties', source = "splash.png"}])", {{2002, "1"}, {2003, "conf\\app.properties;"}}},
    {"version.file_version", "\"1.2.3.4\"", {}},
    {"version.product_version", "\"1.2\"", {}},
    {"messages.en.1009", "\"Internal error {0}\"", {}},
    {"messages.de.1010", "\"Hauptklasse fehlt\"", {}},
    {"messages.de_AT.1010", "\"Hauptklasse fehlt (AT)\"", {}},
    {"raw.141", "\"raw text\"", {{141, "raw text"}}},
    {"raw.10112", "12", {{10112, "12"}}},
};

class BuilderConfig : public ::testing::Test {
protected:
    // Builds a launcher file from the text and loads it as the launcher does.
    void load(const std::string& toml, const std::string& locale) {
        std::string file = buildLauncherFile(builderTestImage(), readConfigurationText(toml, configPath));
        resetLauncherForTest();
        MemoryByteSource source(file);
        ASSERT_EQ(exitCodeOf([&] {
                      locateConfigurationBlock(source);
                      loadConfigurationFrom(source, [&] { return locale; });
                  }),
                  -1);
    }

    std::string errorOf(const std::string& toml) {
        try {
            readConfigurationText(toml, configPath);
        } catch (const BuildError& error) {
            return error.what();
        }
        return "no error";
    }
};

// Every key of the table gets a value: its sample's, or one by its type
// (true, a number of its own, its name), which must reach its setting.
TEST_F(BuilderConfig, EveryKeyRoundTripsThroughTheLaunchersReaders) {
    std::string text;
    std::map<int32_t, std::string> expected;
    for (size_t i = 0; i < configKeys().size(); ++i) {
        const std::string name = configKeys()[i].name, type = configKeys()[i].type;
        if (name.find("[]") != std::string::npos) continue;  // in its array's sample
        std::string family = name.substr(0, name.find('<'));
        size_t found = 0;
        for (const Sample& sample : samples) {
            if (family == name ? sample.key != name : std::string(sample.key).rfind(family, 0) != 0) continue;
            text += std::string(sample.key) + " = " + sample.value + "\n";
            expected.insert(sample.settings.begin(), sample.settings.end());
            ++found;
        }
        if (found > 0) continue;
        ASSERT_TRUE(family == name && (type == "boolean" || type == "integer" || type == "string")) << name;
        std::string setting = type == "boolean" ? "1" : type == "integer" ? std::to_string(i) : name;
        text += name + " = " + (type == "string" ? "\"" + name + "\"" : type == "boolean" ? "true" : setting) + "\n";
        if (configKeys()[i].setting) expected[configKeys()[i].setting] = setting;
    }
    load(text, "de_AT");
    for (const auto& [id, value] : expected) EXPECT_EQ(dupConfigString(id), value) << id;
    EXPECT_EQ(getMessage(1000), u"Gr\u00FC\u00DFe");  // the name is the caption in every language
    EXPECT_EQ(getMessage(1010), u"Hauptklasse fehlt (AT)");  // the longer prefix wins
    EXPECT_EQ(getMessage(1011), u"Die main-Methode wurde nicht gefunden.");
    EXPECT_EQ(getMessage(1009), u"Ein interner Fehler ist aufgetreten (Fehlercode {0}).");
    load(text, "en_GB");
    EXPECT_EQ(getMessage(1009), u"Internal error {0}");
}

TEST_F(BuilderConfig, DefaultMessagesExistInEveryLanguageWithTheirPlaceholders) {
    for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES", "ja_JP", "zh_CN"}) {
        load("[application]\nmain_class = \"M\"\n", locale);
        for (int32_t id = 1000; id <= 1020; ++id) {
            std::u16string english = messageTable().find(id) ? *messageTable().find(id) : u"";
            EXPECT_FALSE(english.empty()) << locale << " " << id;
            bool argument = id == 1003 || id == 1004 || id == 1006 || id == 1008 || id == 1009 || id == 1014 ||
                            id >= 1016;
            EXPECT_EQ(english.find(u"{0}") != std::u16string::npos, argument) << locale << " " << id;
        }
        EXPECT_EQ(dupConfigString(2001), "t");
        EXPECT_EQ(dupConfigString(107), "1");
    }
    EXPECT_EQ(getMessage(1013), u"\u786E\u5B9A");
}

TEST_F(BuilderConfig, TheReferenceDocumentsExactlyTheParsersKeys) {
    std::ifstream in(TESSEL_SOURCE_DIR "/docs/builder.md");
    std::string doc((std::istreambuf_iterator<char>(in)), {});
    std::set<std::string> documented, parsed;
    std::regex row("\n\\| `([^`]+)` \\|");
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), row); it != std::sregex_iterator(); ++it)
        documented.insert((*it)[1]);
    for (const ConfigKey& key : configKeys()) parsed.insert(key.name);
    EXPECT_EQ(documented, parsed);
}

TEST_F(BuilderConfig, BadInputNamesTheFileTheLineAndWhatIsWrong) {
    auto image = [](std::string scale, std::string file = "splash.png") {
        return "[[splash.images]]\nscale = " + scale + "\nfile = \"" + file + "\"\n";
    };
    auto included = [](std::string name) { return "[[files]]\nname = " + name + "\nsource = \"splash.png\"\n"; };
    std::pair<std::string, const char*> cases[] = {
        {"[application]\nmain_clas = \"x\"\n", "test.toml:2: unknown key application.main_clas (nearest known key: "
                                               "application.main_class)"},
        {"\n[[class_path]]\ntype = \"archive\"\npth = \"a\"\n", ":4: unknown key class_path[].pth (nearest known "
                                                                 "key: class_path[].path)"},
        {"[java]\nallow_beta = 1\n", ":2: java.allow_beta: expected true or false, found an integer"},
        {"[splash.status]\nfont_size = 0\n", ":2: splash.status.font_size: value 0 out of range 1 to 1000"},
        {"[splash.status]\ncolour = [1, 2, 256]\n", ":2: splash.status.colour: value 256 out of range 0 to 255"},
        {"arch = \"arm\"\n", ":1: arch: \"arm\" is none of \"x64\", \"x86\""},
        {"icon = \"missing.ico\"\n", ":1: icon: cannot read file"},
        {"\nicon = \"tessel.toml\"\n", ":2: icon: not an icon file"},
        {image("1.0", "tessel.toml"), ":3: splash.images[].file: not a PNG, GIF, JPEG or BMP image"},
        {image("1.1"), ":2: splash.images[].scale: a splash scale"},
        {image("nan"), ":2: splash.images[].scale: a splash scale"},
        {image("1e300"), ":2: splash.images[].scale: a splash scale"},
        {included("'..\\evil.dll'"), ":2: files[].name: \"..\\evil.dll\" is no name the launcher extracts"},
        {included("'a;b.dll'"), "is no name the launcher extracts"},
        {"[[files]]\nname = \"a.dll\"\n", ":1: files[].source is missing"},
        {included("\"a.dll\"") + included("\"A.DLL\""), ":5: files[].name: \"A.DLL\" is included twice"},
        {included("\"lib\"") + included("\"LIB/a.dll\""),
         ":5: files[].name: \"LIB/a.dll\" and \"lib\" need a file and a directory of one name"},
        {"[application]\nname = \"\u4E2D\"\n", ":2: application.name: holds characters beyond U+00FF"},
        {"[messages.de]\n999 = \"x\"\n", ":2: messages.de.999: message ids are 1000 to 1020"},
        {"[messages.DE]\n1000 = \"x\"\n", ":1: messages.DE: a locale is"},
        {"[version]\nfile_version = \"1.2.70000\"\n", ":2: version.file_version: a version is up to four numbers"},
        {"[application]\narguments = [\"a\\\"b c'd\"]\n", ":2: application.arguments: an element cannot hold both"},
        {"[application\n", "test.toml:1: "},
        {"[splash]\nshow = true\n", "splash.show is on but splash.images holds no image"},
        {image("2.0"), "test.toml: splash.images holds no image of scale 1.0"},
        {"\nvm = 1\n", ":2: vm: expected a table, found an integer"},
        {"[raw]\n122 = \"x\"\n", ":2: raw.122: use the key application.main_class"},
    };
    for (const auto& [toml, expected] : cases) {
        std::string error = errorOf(toml);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

}  // namespace
