// The launcher file tessel-build writes: its rebuilt resource section, the
// icon and version resources, reproducibility and --explain.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "builder/build_launcher.h"
#include "builder/config_block_writer.h"
#include "builder/explain.h"
#include "builder/icon_file.h"
#include "builder/pe_image.h"
#include "builder/toml_config.h"
#include "builder/version_info.h"
#include "tests/unit/builder_test_image.h"

namespace {

const std::string sampleDir = TESSEL_SOURCE_DIR "/java/sample/";

std::string sampleFile(const std::string& name) {
    std::ifstream in(sampleDir + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string build(const std::string& toml) {
    return buildLauncherFile(builderTestImage(), readConfigurationText(toml, sampleDir + "test.toml"));
}

TEST(BuilderImage, TheResourceSectionIsRebuiltLastAndReadsBackWithTheHeadersToMatch) {
    for (bool is64Bit : {true, false}) {
        std::string error;
        auto image = PeImage::parse(builderTestImage(is64Bit), error);
        ASSERT_TRUE(image) << error;
        EXPECT_EQ(image->is64Bit(), is64Bit);
        ResourceTree tree = image->resources();
        ASSERT_EQ(tree.size(), 3u);
        tree[resourceRcData][10000][languageEnglishUs] = std::string(5000, 'p');
        // First with .reloc last (a section is added), then from the result (its last section is rewritten).
        std::string once = image->withResources(tree, error).value();
        auto reparsed = PeImage::parse(once, error);
        ASSERT_TRUE(reparsed) << error;
        EXPECT_EQ(reparsed->resources(), tree);
        tree.erase(resourceRcData);
        std::string twice = reparsed->withResources(tree, error).value();
        EXPECT_EQ(PeImage::parse(twice, error)->resources(), tree);
        EXPECT_EQ(getLE(twice, 0x46, 2), 4u);  // sections: the added one stays the last
        size_t optional = 0x58, directories = optional + (is64Bit ? 112 : 96);
        for (const std::string* file : {&once, &twice}) {
            size_t lastHeader = optional + (is64Bit ? 240 : 224) + 3 * 40;
            uint64_t va = getLE(*file, lastHeader + 12, 4), size = getLE(*file, lastHeader + 8, 4);
            EXPECT_EQ(std::string(file->substr(lastHeader, 5)), ".rsrc");
            EXPECT_EQ(va, 0x4000u);
            EXPECT_EQ(getLE(*file, optional + 56, 4), alignUp(va + size, 0x1000));  // size of image
            EXPECT_EQ(getLE(*file, directories + 16, 4), va);                        // resource directory
            EXPECT_EQ(getLE(*file, lastHeader + 16, 4) + getLE(*file, lastHeader + 20, 4), file->size());
            EXPECT_EQ(file->size() % 0x200, 0u);
        }
    }
    std::string error;
    EXPECT_FALSE(PeImage::parse("MZ not really", error));
}

TEST(BuilderImage, IconVersionSplashAndManifestResources) {
    std::string file = build(R"(
icon = "hello.ico"
execution_level = "highestAvailable"
[[splash.images]]
scale = 1.0
file = "splash.png"
[[splash.images]]
scale = 1.5
file = "splash.png"
[version]
file_version = "1.2.3.4"
product = "Hello"
)");
    std::string error;
    ResourceTree tree = PeImage::parse(file, error)->resources();
    std::string icon = sampleFile("hello.ico");
    ASSERT_EQ(tree[resourceIcon].size(), getLE(icon, 4, 2));
    std::string group = tree[resourceGroupIcon][1][languageEnglishUs];
    EXPECT_EQ(group.size(), 6 + 14 * getLE(icon, 4, 2));
    EXPECT_EQ(getLE(group, 6 + 12, 2), 1u);  // the first image's resource id
    EXPECT_EQ(tree[resourceRcData][10002][languageEnglishUs], sampleFile("splash.png"));
    EXPECT_NE(tree[resourceManifest][1][languageEnglishUs].find("level=\"highestAvailable\""), std::string::npos);
    std::string version = tree[resourceVersion][1][languageEnglishUs];
    EXPECT_EQ(getLE(version, 0, 2), version.size());
    EXPECT_EQ(getLE(version, 40, 4), 0xFEEF04BDu);
    EXPECT_EQ(getLE(version, 48, 4), 0x00010002u);  // 1.2
    EXPECT_EQ(getLE(version, 52, 4), 0x00030004u);  // 3.4
    std::u16string product = u"Hello";
    EXPECT_NE(version.find(std::string(reinterpret_cast<const char*>(product.data()), 10)), std::string::npos);

    icon[6 + 12] = '\x7F';  // the first image's offset points elsewhere
    EXPECT_FALSE(addIconResources(icon, tree, error));
}

// Two builds giving the same bytes is the Windows builder test's part.
TEST(BuilderImage, TheChecksumIsTheOneOfTheFinishedFile) {
    std::string file = build("icon = \"hello.ico\"\n[application]\nmain_class = \"M\"\n");
    size_t field = 0x58 + 64;
    uint32_t stored = static_cast<uint32_t>(getLE(file, field, 4));
    updatePeChecksum(file);
    EXPECT_EQ(getLE(file, field, 4), stored);
    EXPECT_NE(stored, 0u);
}

TEST(BuilderImage, ExplainNamesSettingsMessagesFilesAndResources) {
    std::string file = build("[application]\nmain_class = \"com.example.Main\"\n[raw]\n141 = \"x\"\n"
                             "[[files]]\nname = 'lib\\a.dll'\nsource = \"splash.png\"\n");
    std::string error;
    std::string text = explainLauncherFile(file, error).value();
    for (const char* part : {"application.main_class (122) = com.example.Main", "raw (141) = x",
                             "[de] 1010 = Die Hauptklasse", "lib\\a.dll (19055 bytes)",
                             "type 24 (manifest), name 1, language 1033: 61 bytes, level asInvoker"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    EXPECT_FALSE(explainLauncherFile(builderTestImage(), error));
    EXPECT_FALSE(explainLauncherFile(file.substr(0, file.size() - 1400), error));
    for (size_t at = 0; at < 0x1000; at += 3) {  // damaged headers and resources are refused or read, never overrun
        std::string damaged = file;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x80);
        explainLauncherFile(damaged, error);
    }
}

}  // namespace
