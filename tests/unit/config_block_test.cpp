// The configuration block as the builder writes it and the launcher reads it.
#include <gtest/gtest.h>

#include "builder/config_block_writer.h"
#include "launcher/config_loader.h"
#include "launcher/config_readers.h"
#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "tests/unit/builder_test_image.h"
#include "tests/unit/fake_platform.h"

namespace {

// The test image without the end marker behind its last section.
std::string imageAlone() {
    std::string image = builderTestImage();
    image.resize(*configurationBlockOffset(image));
    return image;
}

class ConfigBlock : public ::testing::Test {
protected:
    // Loads the block of a launcher file into emptied tables; returns the exit code (-1: loaded).
    int load(const std::string& file, std::string locale = "en") {
        resetLauncherForTest();
        MemoryByteSource source(file);
        return exitCodeOf([&] {
            locateConfigurationBlock(source);
            executableType = loadConfigurationFrom(source, [&] { return locale; });
        });
    }

    int executableType = -1;
};

TEST_F(ConfigBlock, RoundTripFillsBothTablesAndAppliesMatchingLocaleBlocksInOrder) {
    LauncherConfiguration config;
    config.set(107, "1").set(122, "com.example.Main").set(146, "").set(150, "\xE4\xFF");
    config.set(122, "com.example.Other");  // a repeated set replaces
    config.message(1000, u"Caption").message(1009, u"internal error {0}");
    config.localeBlocks = {
        {"", {{1009, u"any"}}},
        {"de", {{1009, u"de"}, {1000, u"Titel"}}},
        {"de_AT", {{1009, u"at"}}},
        {"de_DE", {{1020, u"added \u00FC"}}},
        {"DE", {{1009, u"upper case"}}},    // prefixes match case-sensitively
        {"de_DE_x", {{1000, u"longer"}}},  // and never when longer than the locale
    };
    // Bytes behind the last section (the end marker, an old block) are cut; the file is padded.
    std::string file = makeLauncherFile(builderTestImage() + "old block", config);
    EXPECT_EQ(file.size() % 512, 0u);
    EXPECT_FALSE(configurationBlockOffset("not an image").has_value());
    ASSERT_EQ(load(file, "de_DE"), -1);
    EXPECT_EQ(executableType, 1);
    EXPECT_FALSE(isQuietMode());
    EXPECT_EQ(dupConfigString(122), "com.example.Other");
    EXPECT_EQ(getConfigStringWide(150, 6000), u"\u00E4\u00FF");  // widened byte by byte
    EXPECT_EQ(dupConfigString(146), "");
    EXPECT_EQ(getMessage(1009), u"de");
    EXPECT_EQ(getMessage(1000), u"Titel");
    EXPECT_EQ(getMessage(1020), u"added \u00FC");
}

TEST_F(ConfigBlock, HandMadeBytesAreReadAsTheLayoutSays) {
    std::string block("\xD5\x13\xE4\xE8" "\0\0\0\0" "\x07\0\0\0" "\0\0\0\0\0\0\0\0", 20);
    block += std::string("\x02\0\0\0", 4);                             // two settings
    block += std::string("\x7A\0\0\0" "\x04\0\0\0" "Main", 12);        // 122 = "Main"
    block += std::string("\x7A\0\0\0" "\x03\0\0\0" "App", 11);         // 122 again replaces
    block += std::string("\x01\0\0\0" "\xE8\x03\0\0" "\x04\0\0\0" "H\0i\0", 16);  // 1000 = "Hi"
    block += std::string("\x01\0\0\0" "\x02\0\0\0" "fr" "\xFF\xFF\xFF\xFF", 14);   // "fr", no entries
    std::string image = imageAlone();
    size_t end = image.size() + block.size();
    block += "trailing data the loader does not read";
    ASSERT_EQ(load(image + block, "fr_FR"), -1);
    EXPECT_EQ(dupConfigString(122), "App");
    EXPECT_EQ(getMessage(1000), u"Hi");
    EXPECT_EQ(extractionPosition(), end);
}

TEST_F(ConfigBlock, MissingOrCutBlocksEndInTheFatalTextOfTheReaderThatHitTheEnd) {
    LauncherConfiguration config;
    config.set(107, "1").set(122, "com.example.Main");
    config.message(1000, u"Caption");
    config.localeBlocks = {{"de", {{1009, u"Fehler"}}}};
    std::string image = imageAlone();
    std::string block = writeConfigurationBlock(config);
    block.resize(block.size() - 4);  // without the trailing marker
    auto cut = [&](size_t length) { return image + block.substr(0, length); };
    // Which reader meets the end follows from the layout; the readers' own texts are their tests' part.
    std::pair<std::string, std::u16string> cases[] = {{"MZ", u"readInt"}, {image + "something else", u"magic"}};
    for (const auto& [file, reader] : cases) {
        ASSERT_EQ(load(file), 1) << file.size();
        EXPECT_EQ(fakePlatform().shownErrors.back(), u"Internal Error: " + reader) << file.size();
    }
    for (size_t length = 0; length < block.size(); ++length) {
        ASSERT_EQ(load(cut(length)), 1) << length;
        EXPECT_EQ(fakePlatform().shownErrors.back().rfind(u"Internal Error: read", 0), 0u) << length;
    }
    EXPECT_EQ(load(image + block), -1);
}

}  // namespace
