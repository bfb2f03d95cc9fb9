// The path helpers, called in this process.
#include <gtest/gtest.h>

#include "environment/launcher_path.h"
#include "environment/shell_short_path.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

TEST(Paths, AnsiConversionReportsReplacements) {
    bool replaced = true;
    EXPECT_EQ(toAnsi(u"C:\\plain.exe", &replaced), "C:\\plain.exe");
    EXPECT_FALSE(replaced);
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    EXPECT_EQ(toAnsi(u"a\x0416", &replaced), "a?");
    EXPECT_TRUE(replaced);
    // No best fit: a letter with a look-alike in the code page is still a replacement.
    toAnsi(u"\x0101", &replaced);
    EXPECT_TRUE(replaced);
    std::string ansi = "C:\\\xE4\\\\x";
    collapseBackslashes(ansi);
    EXPECT_EQ(ansi, "C:\\\xE4\\x");
}

// The interpreter is asked only about paths it reads as they are: "%PATH%"
// would be expanded even inside quotes and name another file.
TEST(Paths, ShortPathViaShellNamesTheSameFileOrNothing) {
    LauncherSandbox sandbox;
    auto shortPathOf = [&sandbox](const std::wstring& directory) -> std::optional<std::string> {
        std::wstring exe = sandbox.writeFile(directory + L"\\app.exe", "");
        std::optional<std::string> shortPath = shortPathViaShell(std::u16string(exe.begin(), exe.end()));
        char longPath[MAX_PATH] = {};
        if (!shortPath) return std::nullopt;
        GetLongPathNameA(shortPath->c_str(), longPath, MAX_PATH);
        return longPath;
    };
    EXPECT_EQ(shortPathOf(L"long directory name"), utf8(sandbox.path(L"long directory name\\app.exe")));
    EXPECT_EQ(shortPathOf(L"a%PATH%b"), std::nullopt);
}

}  // namespace
