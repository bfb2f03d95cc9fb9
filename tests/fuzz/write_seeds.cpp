// Writes the seed corpus of every harness below the directory given: inputs
// taken from the unit tests, and launcher files made by the block writer.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "builder/config_block_writer.h"

namespace {

namespace fs = std::filesystem;

void writeSeeds(const fs::path& root, const char* harness, const std::vector<std::string>& inputs) {
    fs::create_directories(root / harness);
    for (size_t i = 0; i < inputs.size(); ++i)
        std::ofstream(root / harness / ("seed" + std::to_string(i)), std::ios::binary) << inputs[i];
}

std::string utf16Bytes(const std::u16string& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// A PE header whose last section ends at 0x400, as the locator reads it.
std::string smallImage() {
    std::string image(0x400, '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) image[at + i] = static_cast<char>(value >> (8 * i));
    };
    image.replace(0, 2, "MZ");
    put(60, 0x80);
    image.replace(0x80, 4, std::string("PE\0\0", 4));
    put(0x80 + 4, 1u << 16);   // one section
    put(0x80 + 20, 0xE0);      // optional header size
    put(0x80 + 24 + 0xE0 + 16, 0x200);
    put(0x80 + 24 + 0xE0 + 20, 0x200);
    return image;
}

std::vector<std::string> launcherFiles() {
    LauncherConfiguration plain;
    plain.set(107, "1").set(122, "com.example.Main").set(128, "B.\\jre;Y;").set(150, "\xE4\xFF");
    plain.message(1000, u"Caption").message(1009, u"internal error {0}");
    plain.localeBlocks = {{"", {{1009, u"any"}}}, {"de", {{1009, u"de"}}}, {"de_DE", {{1020, u"\u00FC"}}}};
    LauncherConfiguration withFiles = plain;
    withFiles.includedFiles = {{"app.jar", "PK\3\4 jar"}, {"lib\\native.dll", "MZ dll"}, {"lib/x.txt", ""}};
    std::string image = smallImage();
    std::string block = writeConfigurationBlock(withFiles);
    return {makeLauncherFile(image, plain), makeLauncherFile(image, withFiles), block};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds DIRECTORY\n");
        return 2;
    }
    fs::path root = argv[1];
    writeSeeds(root, "config_block_fuzz", launcherFiles());
    writeSeeds(root, "command_line_fuzz",
               {utf16Bytes(u"  prog a  b "), utf16Bytes(u"\"C:\\Program Files\\app.exe\" x"),
                utf16Bytes(u"p 'a b' \"\" c"), utf16Bytes(u"a\"b c\"d"), utf16Bytes(u"t /create-tsl-log -x")});
    writeSeeds(root, "options_file_fuzz",
               {std::string("# c\n-Xmx1g\r\n  -Da=b  \n-include-options a.txt\n-classpath/a lib\\*.jar\0"
                            "-Dx=${HOME}\n-include-options b\\c.txt\n-classpath C:\\x.jar\0"
                            "--add-opens\njava.base/java.lang=ALL-UNNAMED\n-include-options ..\\tool.vmoptions",
                            200)});
    writeSeeds(root, "version_fuzz",
               {"1.8.0_191\n1.8\n1.8.0_300", "9-ea\n9\n", "11.0.2+9\n1.7.0_80\n17", "1.8.0_191-beta\n\n"});
    writeSeeds(root, "java_version_output_fuzz",
               {"java version \"1.8.0_191\"\r\nJava(TM) SE Runtime\r\n", "openjdk version \"11.0.2\" 2019-01-15\n",
                "Picked up JAVA_TOOL_OPTIONS: -Da=\"b\"\nopenjdk version \"17.0.15\" 2025-04-15\n",
                std::string("1.8.0_191\0", 10)});
    writeSeeds(root, "variable_expansion_fuzz",
               {"%TESSEL_EXEDIR%\\lib;${launcher:sys.jvmHome}\nHOME=C:\\h\nPath=C:\\w",
                "${launcher:sys.launcherDirectory}|${launcher:sys.tempDir}|${home}\nHOME=${HOME}"});
    writeSeeds(root, "included_name_fuzz", {"\3app.jar;lib\\x.dll;;lib/y.txt", "\2..\\x;c:x;nul.txt;lib\\COM1.dll"});
    return 0;
}
