#include "launcher/config_store.h"

#include <gtest/gtest.h>

#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }
};

TEST_F(ConfigStoreTest, AbsentAndEmptySettingsReadAlike) {
    configStore().set(146, "");
    for (int id : {146, 999}) {
        EXPECT_EQ(getConfigString(id, 6000), "");
        EXPECT_EQ(getConfigStringWide(id, 6000), u"");
        EXPECT_EQ(dupConfigString(id), "");
        EXPECT_EQ(getConfigInt(id), 0);
    }
}

TEST_F(ConfigStoreTest, IntegersConvertLikeTheRuntimesDecimalConversion) {
    struct {
        const char* text;
        int value;
    } cases[] = {{"08", 8}, {"\t12abc", 12}, {"abc", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}};
    for (const auto& c : cases) {
        configStore().set(1, c.text);
        EXPECT_EQ(getConfigInt(1), c.value) << c.text;
    }
}

TEST_F(ConfigStoreTest, LongValuesAreCutToTheBufferAndTheCutIsLogged) {
    configStore().set(123, std::string(6000, 'x'));
    configStore().set(124, std::string(5999, 'y'));
    EXPECT_EQ(getConfigString(123, 6000), std::string(5999, 'x'));
    ASSERT_EQ(fakePlatform().logLines.size(), 1u);
    EXPECT_EQ(fakePlatform().logLines[0], u"ERROR: config string 123 truncated (6000 6000)");
    EXPECT_EQ(getConfigString(124, 6000).size(), 5999u);
    EXPECT_EQ(fakePlatform().logLines.size(), 1u);
    configStore().set(2001, "tessel");
    EXPECT_EQ(getConfigString(2001, 2), "t");
    EXPECT_EQ(dupConfigString(123).size(), 6000u);
}

TEST_F(ConfigStoreTest, TextsEndAtTheirFirstNul) {
    configStore().set(5, std::string("ab\0cd", 5));
    EXPECT_EQ(dupConfigString(5), "ab");
    messageTable().set(1000, std::u16string(u"x\0y", 3));
    EXPECT_EQ(getMessage(1000), u"x");
}

TEST_F(ConfigStoreTest, MessageFallsBackToTheSettingOfTheSameId) {
    configStore().set(1005, "from \xE9setting");
    EXPECT_EQ(getMessage(1005), u"");
    EXPECT_EQ(getMessageOrSetting(1005), u"from \u00E9setting");
    messageTable().set(1005, u"from table");
    EXPECT_EQ(getMessageOrSetting(1005), u"from table");
    messageTable().set(1005, u"");
    EXPECT_EQ(getMessageOrSetting(1005), u"from \u00E9setting");
    EXPECT_EQ(getMessageOrSetting(1006), u"");
}

}  // namespace
