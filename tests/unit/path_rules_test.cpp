#include "environment/path_rules.h"

#include <gtest/gtest.h>

#include "environment/launcher_path.h"

namespace {

TEST(PathRules, RelativeAndAbsolutePathsInBothWidths) {
    struct {
        const char* path;
        bool relative;
    } cases[] = {
        {"C:\\x", false}, {"\\\\", true},  // too short to be anything
        {"\\\\x", false}, {"C:", true},     {"\\windows\\x", true}, {"C:/x", true},
        {"\"C:\\x", false}, {"\"C:", true},   {"", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRelativePath(std::string_view(c.path)), c.relative) << c.path;
        std::string narrow = c.path;
        EXPECT_EQ(isRelativePath(std::u16string(narrow.begin(), narrow.end())), c.relative) << c.path;
    }
}

TEST(PathRules, BackslashRunsShrinkExceptTheLeadingPair) {
    struct {
        std::u16string in, out;
    } cases[] = {
        {u"\\\\server\\\\share\\x", u"\\\\server\\share\\x"},
        {u"C:\\\\a\\\\\\b", u"C:\\a\\b"},
        {u"\\\\\\x", u"\\\\x"},  // the first character never counts as the kept backslash
        {u"\\", u"\\"},
    };
    for (auto& c : cases) {
        std::u16string path = c.in;
        collapseBackslashes(path);
        EXPECT_EQ(path, c.out);
    }
}

TEST(PathRules, DriveRootsExistWithoutAskingTheSystem) {
    for (const char16_t* root : {u"Q:\\", u"Q:\\.", u"Q:\\.\\.", u"\x00e4:\\"}) EXPECT_TRUE(isDriveRootText(root));
    for (const char16_t* other : {u"Q:", u"Q:\\x", u"Q:\\..", u"Q:/", u":\\", u"Q:\\.\\", u""})
        EXPECT_FALSE(isDriveRootText(other));
}

TEST(PathRules, ExeNamesAndAsciiLowerCasing) {
    EXPECT_TRUE(isExeName("a.exe"));
    EXPECT_TRUE(isExeName("C:\\APP.EXE"));
    EXPECT_FALSE(isExeName(".exe"));
    EXPECT_FALSE(isExeName("a.exe "));

    std::u16string text = u"C:\\Program Files\\\x00C4PP\\Z[@";
    lowerAsciiLetters(text);
    EXPECT_EQ(text, u"c:\\program files\\\x00C4pp\\z[@");
}

}  // namespace
