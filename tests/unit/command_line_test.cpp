#include "launcher/command_line.h"

#include <gtest/gtest.h>

namespace {

LauncherArgs split(std::u16string_view text) {
    LauncherArgs args;
    splitCommandLine(text, args);
    return args;
}

TEST(SplitCommandLine, BlanksSeparateQuotesGroupAndNothingEscapes) {
    const std::pair<std::u16string_view, LauncherArgs> cases[] = {
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
    for (const auto& [text, args] : cases) EXPECT_EQ(split(text), args) << std::string(text.begin(), text.end());
}

}  // namespace
