// The path helpers, called in this process.
#include <gtest/gtest.h>

#include "environment/launcher_path.h"
#include "environment/shell_short_path.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

std::string moduleDirectory() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.rfind('\\') + 1);
}

TEST(Paths, LauncherDirectoriesResolvingAndCanonicalForms) {
    // The build tree's path is plain ASCII, so all forms agree.
    const LauncherDirectories& directories = launcherDirectories();
    EXPECT_EQ(directories.ansi, moduleDirectory());
    EXPECT_EQ(directories.wide, std::u16string(directories.ansi.begin(), directories.ansi.end()));
    EXPECT_EQ(directories.fromAnsi, directories.wide);

    std::string reference = "C:\\apps\\tool\\app.exe";
    EXPECT_EQ(resolveAgainstLauncherDir("conf\\\\x.cfg", &reference), "C:\\apps\\tool\\conf\\x.cfg");
    EXPECT_EQ(resolveAgainstLauncherDir("jre"), moduleDirectory() + "jre");

    EXPECT_EQ(canonicalPath("C:\\Program Files\\\\Sub\\..\\App.EXE", false), "c:\\program files\\app.exe");
    std::string lowered = moduleDirectory();
    for (char& c : lowered) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(canonicalPath("Sub\\..\\JRE", false), lowered + "jre");
    EXPECT_EQ(canonicalPathWide(u"C:\\X\\\\Y\\..\\Z", false), u"c:\\x\\z");
}

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
    LauncherSandbox sandbox("ShortPathViaShell");
    auto shortPathOf = [&sandbox](const std::wstring& directory) {
        CreateDirectoryW((sandbox.directory() + L"\\" + directory).c_str(), nullptr);
        std::wstring exe = sandbox.writeFile(directory + L"\\app.exe", "");
        std::optional<std::string> shortPath = shortPathViaShell(std::u16string(exe.begin(), exe.end()));
        char longPath[MAX_PATH] = {};
        if (shortPath) GetLongPathNameA(shortPath->c_str(), longPath, MAX_PATH);
        return shortPath ? std::optional<std::string>(longPath) : std::nullopt;
    };
    EXPECT_EQ(shortPathOf(L"long directory name"), narrow(sandbox.directory()) + "\\long directory name\\app.exe");
    EXPECT_EQ(shortPathOf(L"a%PATH%b"), std::nullopt);
}

}  // namespace
