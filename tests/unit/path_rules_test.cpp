#include "environment/path_rules.h"

#include <gtest/gtest.h>

#include "environment/launcher_path.h"
#include "environment/shell_short_path.h"

namespace {

TEST(PathRules, RelativeAndAbsolutePathsInBothWidths) {
    const std::pair<std::string, bool> cases[] = {
        {"C:\\x", false}, {"\\\\", true},  // too short to be anything
        {"\\\\x", false}, {"C:", true},     {"\\windows\\x", true}, {"C:/x", true},
        {"\"C:\\x", false}, {"\"C:", true},   {"", true},
    };
    for (const auto& [path, relative] : cases) {
        EXPECT_EQ(isRelativePath(std::string_view(path)), relative) << path;
        EXPECT_EQ(isRelativePath(std::u16string(path.begin(), path.end())), relative) << path;
    }
}

TEST(PathRules, BackslashRunsShrinkExceptTheLeadingPair) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\\\\server\\\\share\\x", u"\\\\server\\share\\x"},
        {u"C:\\\\a\\\\\\b", u"C:\\a\\b"},
        {u"\\\\\\x", u"\\\\x"},  // the first character never counts as the kept backslash
        {u"\\", u"\\"},
    };
    for (auto [path, collapsed] : cases) {
        collapseBackslashes(path);
        EXPECT_EQ(path, collapsed);
    }
}

TEST(PathRules, DriveRootsExistWithoutAskingTheSystem) {
    for (const char16_t* root : {u"Q:\\", u"Q:\\.", u"Q:\\.\\.", u"\x00e4:\\"}) EXPECT_TRUE(isDriveRootText(root));
    for (const char16_t* other : {u"Q:", u"Q:\\x", u"Q:\\..", u"Q:/", u":\\", u"Q:\\.\\", u""})
        EXPECT_FALSE(isDriveRootText(other));
}

TEST(ShellShortPath, PercentQuoteAndWildcardsNeverReachTheInterpreter) {
    EXPECT_EQ(shortPathShellArguments(u"C:\\a b&c^(d)!e\\app.exe"),
              u"/D /E:ON /V:OFF /C for %I in (\"C:\\a b&c^(d)!e\\app.exe\") do @echo %~sI");
    for (const char16_t* path : {u"C:\\%PATH%\\app.exe", u"C:\\a\"b\\app.exe", u"C:\\*\\app.exe", u"C:\\a?\\app.exe"})
        EXPECT_EQ(shortPathShellArguments(path), std::nullopt);
}

TEST(ShellShortPath, OutputNeedsExitCodeZeroLengthAndALineEnd) {
    EXPECT_EQ(shortPathFromShellOutput("C:\\PROGRA~1\\APP.EXE\r\n", 0), "C:\\PROGRA~1\\APP.EXE");
    EXPECT_EQ(shortPathFromShellOutput("C:\\A~1\\B.EXE", 0), std::nullopt);  // possibly cut
    EXPECT_EQ(shortPathFromShellOutput("C:\\A~1\\B.EXE\r\n", 1), std::nullopt);
    EXPECT_EQ(shortPathFromShellOutput("a.ex\n", 0), std::nullopt);  // 5 bytes are not enough
    EXPECT_EQ(shortPathFromShellOutput("\r\n\r\n\r\n", 0), std::nullopt);
}

}  // namespace
