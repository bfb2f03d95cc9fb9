#include "launcher/config_store.h"

#include <gtest/gtest.h>

#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

TEST(ConfigStore, IntegersConvertLikeTheRuntimesDecimalConversion) {
    const std::pair<const char*, int> cases[] = {
        {"08", 8}, {"\t12abc", 12}, {"abc", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, value] : cases) {
        configStore().set(1, text);
        EXPECT_EQ(getConfigInt(1), value) << text;
    }
}

TEST(ConfigStore, LongValuesAreCutToTheBufferAndTheCutIsLogged) {
    configStore().set(123, std::string(6000, 'x'));
    configStore().set(124, std::string(5999, 'y'));
    EXPECT_EQ(getConfigString(123, 6000), std::string(5999, 'x'));
    EXPECT_EQ(getConfigString(124, 6000).size(), 5999u);
    EXPECT_EQ(fakePlatform().logLines, std::vector<std::u16string>{u"ERROR: config string 123 truncated (6000 6000)"});
    configStore().set(2001, "tessel");
    EXPECT_EQ(getConfigString(2001, 2), "t");
    EXPECT_EQ(dupConfigString(123).size(), 6000u);
}

TEST(ConfigStore, MessageFallsBackToTheSettingOfTheSameId) {
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
