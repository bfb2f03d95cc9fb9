#include "launcher/command_line.h"

#include <gtest/gtest.h>

#include "launcher/launcher_state.h"

namespace {

LauncherArgs split(std::u16string_view text) {
    LauncherArgs args;
    splitCommandLine(text, args);
    return args;
}

TEST(SplitCommandLine, BlanksSeparateQuotesGroupAndNothingEscapes) {
    struct {
        std::u16string_view text;
        LauncherArgs args;
    } cases[] = {
        {u"  prog a  b ", {u"prog", u"a", u"b"}},
        {u"", {}},
        {u"a\tb", {u"a\tb"}},  // only the blank separates
        {u"\"C:\\Program Files\\app.exe\" x", {u"C:\\Program Files\\app.exe", u"x"}},
        {u"p 'a b' \"\" c", {u"p", u"a b", u"", u"c"}},
        {u"a\"b c\"d", {u"ab c", u"d"}},  // text after a closing quote starts a new argument
        {u"p \"C:\\dir\\\" x", {u"p", u"C:\\dir\\", u"x"}},
        {u"p \"it's\" 'say \"hi\"'", {u"p", u"it's", u"say \"hi\""}},
        {u"p \"a b", {u"p", u"a b"}},  // an unmatched quote runs to the end
    };
    for (const auto& c : cases) EXPECT_EQ(split(c.text), c.args) << std::string(c.text.begin(), c.text.end());
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
}

TEST(InternalTail, RebootIsTheWholeTailLanguageRestartAndQuietItsStart) {
    EXPECT_TRUE(classifyInternalTail("__ovn_reboot").reboot);
    EXPECT_FALSE(classifyInternalTail("__ovn_reboot x").reboot);
    EXPECT_TRUE(classifyInternalTail("__ovn_lang_restart more").languageRestart);
    EXPECT_FALSE(classifyInternalTail("x __ovn_lang_restart").languageRestart);
    EXPECT_TRUE(classifyInternalTail("-q_ovn_internalx y").quiet);
    EXPECT_FALSE(classifyInternalTail("-q_ovn_interna").quiet);
}

}  // namespace
