// The path helpers and the temporary names, called in this process.
#include <gtest/gtest.h>

#include <chrono>

#include "environment/launcher_path.h"
#include "environment/temp_dir.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

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
    EXPECT_EQ(resolveAgainstLauncherDir("D:\\a\\\\b"), "D:\\a\\b");
    EXPECT_EQ(resolveAgainstLauncherDir("\\\\srv\\\\share"), "\\\\srv\\share");
    EXPECT_EQ(resolveAgainstLauncherDir("jre"), moduleDirectory() + "jre");

    EXPECT_EQ(canonicalPath("C:\\Program Files\\\\Sub\\..\\App.EXE", false), "c:\\program files\\app.exe");
    EXPECT_EQ(canonicalPath("C:\\A\\.\\B", true), "C:\\A\\B");
    std::string lowered = moduleDirectory();
    for (char& c : lowered) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(canonicalPath("Sub\\..\\JRE", false), lowered + "jre");
    EXPECT_EQ(canonicalPathWide(u"C:\\X\\\\Y\\..\\Z", false), u"c:\\x\\z");
}

TEST(Paths, ExistenceAndLastWriteTime) {
    LauncherSandbox sandbox(testName());
    std::wstring file = sandbox.writeFile(L"f.txt", "x");
    std::string narrowFile = narrow(file);
    EXPECT_TRUE(pathExists(std::u16string(file.begin(), file.end())));
    EXPECT_FALSE(pathExists(narrowFile + ".missing"));
    EXPECT_TRUE(pathExists(std::string("Q:\\")));  // no drive Q needed
    EXPECT_FALSE(pathExists(std::string("Q:\\x")));

    uint64_t lastWrite = 0;
    ASSERT_TRUE(findFile(narrowFile, &lastWrite));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(lastWrite, (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime);
}

TEST(Paths, AnsiConversionReportsReplacements) {
    bool replaced = true;
    EXPECT_EQ(toAnsi(u"C:\\plain.exe", &replaced), "C:\\plain.exe");
    EXPECT_FALSE(replaced);
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    EXPECT_EQ(toAnsi(u"\x00E4", &replaced), "\xE4");
    EXPECT_FALSE(replaced);
    EXPECT_EQ(toAnsi(u"a\x0416", &replaced), "a?");
    EXPECT_TRUE(replaced);
    // No best fit: a letter with a look-alike in the code page is still a replacement.
    toAnsi(u"\x0101", &replaced);
    EXPECT_TRUE(replaced);

    std::string ansi = "C:\\\xE4\\\\x";
    collapseBackslashes(ansi);
    EXPECT_EQ(ansi, "C:\\\xE4\\x");
}

TEST(Paths, ShortPathThroughTheShellEndsWithOrWithoutAResult) {
    std::u16string self(launcherPathWide());
    for (const std::u16string& path : {self, self + u".missing"}) {
        auto start = std::chrono::steady_clock::now();
        std::optional<std::string> shortPath = shortPathViaShell(path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
        if (shortPath) {
            EXPECT_FALSE(shortPath->empty());
        }
    }
}

TEST(Paths, TemporaryFileNamesInTheTemporaryDirectory) {
    LauncherSandbox sandbox(testName());
    // Before the first search: the directory is cached for the process.
    SetEnvironmentVariableW(L"TMP", sandbox.tempDirectory().c_str());
    std::string directory = getTempDirAnsi();
    EXPECT_EQ(directory, narrow(sandbox.tempDirectory()) + "\\");
    std::u16string wideDirectory = getTempDirWide(true);
    EXPECT_EQ(wideDirectory, std::u16string(directory.begin(), directory.end()));

    std::string first = makeTempFileName(), second = makeTempFileName();
    EXPECT_NE(first, second);
    for (const std::string& name : {first, second}) {
        EXPECT_EQ(name.rfind(directory + "tsl", 0), 0u) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
        EXPECT_TRUE(pathExists(name));
    }
    // The probes of the search leave nothing behind.
    EXPECT_EQ(sandbox.tempEntries().size(), 2u);
}

}  // namespace
