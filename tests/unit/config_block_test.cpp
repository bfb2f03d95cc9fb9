// The configuration block as the builder writes it and the launcher reads it.
#include <gtest/gtest.h>

#include "builder/config_block_writer.h"
#include "launcher/config_loader.h"
#include "launcher/config_readers.h"
#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

void put(std::string& image, size_t at, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) image[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A minimal PE image of two sections whose last one ends at 0x600.
std::string syntheticImage() {
    std::string image(0x600, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    const size_t pe = 0x80, optionalHeader = 0xE0;
    put(image, 60, pe, 4);
    image.replace(pe, 4, std::string("PE\0\0", 4));
    put(image, pe + 6, 2, 2);
    put(image, pe + 20, optionalHeader, 2);
    size_t table = pe + 24 + optionalHeader;
    put(image, table + 16, 0x200, 4);  // first section: raw size, raw offset
    put(image, table + 20, 0x200, 4);
    put(image, table + 40 + 16, 0x200, 4);
    put(image, table + 40 + 20, 0x400, 4);
    return image;
}

class ConfigBlock : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }

    // Loads the block of a launcher file; returns the exit code (-1: loaded).
    int load(const std::string& file, std::string locale = "en") {
        MemoryByteSource source(file);
        return exitCodeOf([&] {
            locateConfigurationBlock(source);
            executableType = loadConfigurationFrom(source, [&] { return locale; });
        });
    }

    std::u16string shownError() const {
        return fakePlatform().shownErrors.empty() ? u"" : fakePlatform().shownErrors.back();
    }

    int executableType = -1;
};

TEST_F(ConfigBlock, WriterPlacesTheBlockAfterTheLastSectionAndPads) {
    std::string image = syntheticImage();
    EXPECT_EQ(configurationBlockOffset(image), 0x600u);
    LauncherConfiguration config;
    config.set(122, "com.example.Main");
    // Bytes behind the last section (a symbol table, an old block) are cut.
    std::string file = makeLauncherFile(image + "old block", config);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(file.substr(0x600, 4), std::string("\xD5\x13\xE4\xE8", 4));
    std::string block = writeConfigurationBlock(config);
    EXPECT_EQ(file.substr(0x600, block.size()), block);
    EXPECT_EQ(block.substr(block.size() - 4), std::string("\xE8\xE4\x13\xD5", 4));
    EXPECT_FALSE(configurationBlockOffset("not an image").has_value());
}

TEST_F(ConfigBlock, RoundTripFillsBothTablesAndAppliesMatchingLocaleBlocksInOrder) {
    LauncherConfiguration config;
    config.set(107, "1").set(122, "com.example.Main").set(128, "B.\\jre;Y;").set(146, "").set(150, "\xE4\xFF");
    config.set(122, "com.example.Other");  // a repeated set replaces
    config.message(1000, u"Caption").message(1009, u"internal error {0}");
    config.localeBlocks = {
        {"", {{1009, u"any"}}},
        {"de", {{1009, u"de"}, {1000, u"Titel"}}},
        {"de_AT", {{1009, u"at"}}},
        {"de_DE", {{1020, u"added \u00FC"}}},
    };
    ASSERT_EQ(load(makeLauncherFile(syntheticImage(), config), "de_DE"), -1);
    EXPECT_EQ(executableType, 1);
    EXPECT_FALSE(isQuietMode());
    EXPECT_EQ(dupConfigString(122), "com.example.Other");
    EXPECT_EQ(dupConfigString(128), "B.\\jre;Y;");
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
    size_t end = 0x600 + block.size();
    block += "trailing data the loader does not read";
    ASSERT_EQ(load(syntheticImage() + block, "fr_FR"), -1);
    EXPECT_EQ(dupConfigString(122), "App");
    EXPECT_EQ(getMessage(1000), u"Hi");
    EXPECT_EQ(extractionPosition(), end);
}

TEST_F(ConfigBlock, WithoutBlockOrWithDataOtherThanABlock) {
    EXPECT_EQ(load(syntheticImage()), 1);
    EXPECT_EQ(shownError(), u"Internal Error: readInt");
    resetLauncherForTest();
    EXPECT_EQ(load(syntheticImage() + "something else"), 1);
    EXPECT_EQ(shownError(), u"Internal Error: magic");
    resetLauncherForTest();
    EXPECT_EQ(load("MZ"), 1);  // not even a header
    EXPECT_EQ(shownError(), u"Internal Error: readInt");
}

TEST_F(ConfigBlock, EveryCutEndsInTheFatalTextOfTheReaderThatHitTheEnd) {
    LauncherConfiguration config;
    config.set(107, "1").set(122, "com.example.Main");
    config.message(1000, u"Caption");
    config.localeBlocks = {{"de", {{1009, u"Fehler"}}}};
    std::string image = syntheticImage();
    std::string block = writeConfigurationBlock(config);
    block.resize(block.size() - 4);  // without the trailing marker
    // Offsets into the block: 12..19 the reserved long, 28..31 the count of "1",
    // 57..60 the message count, 69..82 the caption, 91..92 the locale prefix "de".
    struct Cut {
        size_t length;
        const char16_t* text;
    } cuts[] = {{0, u"Internal Error: readInt"},      {14, u"Internal Error: readLong"},
                {30, u"Internal Error: readString"},  {32, u"Internal Error: readString"},
                {58, u"Internal Error: readInt"},     {70, u"Internal Error: readWString"},
                {92, u"Internal Error: readString"},  {block.size() - 1, u"Internal Error: readWString"}};
    for (const Cut& cut : cuts) {
        resetLauncherForTest();
        EXPECT_EQ(load(image + block.substr(0, cut.length)), 1) << cut.length;
        EXPECT_EQ(shownError(), cut.text) << cut.length;
    }
    for (size_t length = 0; length < block.size(); ++length) {
        resetLauncherForTest();
        EXPECT_EQ(load(image + block.substr(0, length)), 1) << length;
    }
    resetLauncherForTest();
    EXPECT_EQ(load(image + block), -1);
}

TEST_F(ConfigBlock, ExecutableTypeOtherThanOneOrFiveEntersQuietMode) {
    struct {
        const char* type;  // nullptr: unset
        bool quiet;
    } cases[] = {{"1", false}, {"5", false}, {"0", true}, {"2", true}, {"", true}, {nullptr, true}};
    for (const auto& c : cases) {
        resetLauncherForTest();
        LauncherConfiguration config;
        if (c.type) config.set(107, c.type);
        ASSERT_EQ(load(makeLauncherFile(syntheticImage(), config)), -1);
        EXPECT_EQ(isQuietMode(), c.quiet) << (c.type ? c.type : "unset");
    }
}

TEST(LocalePrefix, MatchesTheStartOfTheLocaleCaseSensitively) {
    EXPECT_TRUE(localePrefixMatches("", "de_DE"));
    EXPECT_TRUE(localePrefixMatches("de", "de_AT"));
    EXPECT_FALSE(localePrefixMatches("DE", "de_DE"));
    EXPECT_FALSE(localePrefixMatches("de_DE_x", "de_DE"));
}

}  // namespace
