#include "launcher/command_line.h"

#include <gtest/gtest.h>

#include "launcher/launcher_state.h"

namespace {

LauncherArgs split(std::u16string_view text) {
    LauncherArgs args;
    splitCommandLine(text, args);
    return args;
}

TEST(SplitCommandLine, SpacesSeparateAndRunsOfSpacesMakeNoEmptyArgument) {
    EXPECT_EQ(split(u"prog a  b"), (LauncherArgs{u"prog", u"a", u"b"}));
    EXPECT_EQ(split(u"  prog  "), (LauncherArgs{u"prog"}));
    EXPECT_EQ(split(u""), LauncherArgs{});
    EXPECT_EQ(split(u"a\tb"), (LauncherArgs{u"a\tb"}));  // only the blank separates
}

TEST(SplitCommandLine, QuotesGroupAndAreDropped) {
    EXPECT_EQ(split(u"\"C:\\Program Files\\app.exe\" x"), (LauncherArgs{u"C:\\Program Files\\app.exe", u"x"}));
    EXPECT_EQ(split(u"p 'a b' c"), (LauncherArgs{u"p", u"a b", u"c"}));
    EXPECT_EQ(split(u"p \"\" c"), (LauncherArgs{u"p", u"", u"c"}));
    // Text after a closing quote starts a new argument.
    EXPECT_EQ(split(u"a\"b c\"d"), (LauncherArgs{u"ab c", u"d"}));
}

TEST(SplitCommandLine, NoEscapeCharacterAndOtherQuoteIsOrdinary) {
    EXPECT_EQ(split(u"p \"C:\\dir\\\" x"), (LauncherArgs{u"p", u"C:\\dir\\", u"x"}));
    EXPECT_EQ(split(u"p \"it's\" x"), (LauncherArgs{u"p", u"it's", u"x"}));
    EXPECT_EQ(split(u"p 'say \"hi\"'"), (LauncherArgs{u"p", u"say \"hi\""}));
    // An unmatched quote runs to the end.
    EXPECT_EQ(split(u"p \"a b"), (LauncherArgs{u"p", u"a b"}));
}

TEST(SplitCommandLine, AppendsToWhatIsThere) {
    LauncherArgs args{u"first"};
    splitCommandLine(u"second", args);
    EXPECT_EQ(args, (LauncherArgs{u"first", u"second"}));
}

TEST(LogOption, RecognisedOnlyAsFirstArgument) {
    for (const char16_t* option : {u"-create-ovn-log", u"-create-tsl-log", u"/create-ovn-log", u"/create-tsl-log"}) {
        LauncherArgs args{u"prog", option, u"x"};
        EXPECT_TRUE(takeLogOption(args));
        EXPECT_EQ(args, (LauncherArgs{u"prog", u"x"}));
    }
    LauncherArgs second{u"prog", u"x", u"-create-ovn-log"};
    EXPECT_FALSE(takeLogOption(second));
    EXPECT_EQ(second.size(), 3u);
    LauncherArgs upper{u"prog", u"-CREATE-OVN-LOG"};
    EXPECT_FALSE(takeLogOption(upper));
    LauncherArgs alone{u"prog"};
    EXPECT_FALSE(takeLogOption(alone));
}

TEST(InternalTail, RebootOnlyAsTheWholeTail) {
    EXPECT_TRUE(classifyInternalTail("__ovn_reboot").reboot);
    EXPECT_FALSE(classifyInternalTail("__ovn_reboot x").reboot);
    EXPECT_FALSE(classifyInternalTail("").reboot);
}

TEST(InternalTail, LanguageRestartAndQuietLookAtTheStart) {
    EXPECT_TRUE(classifyInternalTail("__ovn_lang_restart more").languageRestart);
    EXPECT_FALSE(classifyInternalTail("x __ovn_lang_restart").languageRestart);
    EXPECT_TRUE(classifyInternalTail("-q_ovn_internal").quiet);
    EXPECT_TRUE(classifyInternalTail("-q_ovn_internalx y").quiet);
    EXPECT_FALSE(classifyInternalTail("-q_ovn_interna").quiet);
}

}  // namespace
