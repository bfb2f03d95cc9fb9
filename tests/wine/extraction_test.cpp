// Included files of real launcher files: where they go, what is refused, and
// that the launcher's temporary directory is gone after the process.
#include <gtest/gtest.h>

#include <regex>

#include "tests/wine/launcher_sandbox.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Quiet through setting 107, so failures go to stderr.
LauncherConfiguration quietConfiguration() {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main").set(2001, "t");
    config.message(1009, u"Internal error {0}");
    return config;
}

// A language restart leaves the launcher's temporary directory behind, so
// what was extracted can be looked at after the run.
const wchar_t* keepTempDir = L"__ovn_lang_restart";

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The single "tsl*.tmp_dirN" directory of the sandbox's temporary directory, or "".
std::wstring launcherTempDirIn(const LauncherSandbox& sandbox) {
    std::wstring found;
    for (const std::wstring& name : sandbox.tempEntries())
        if (name.find(L"_dir") != std::wstring::npos) {
            EXPECT_TRUE(found.empty()) << "more than one launcher directory";
            found = name;
        }
    return found;
}

TEST(Extraction, FilesLandInTheLauncherTempDirectoryWhichIsGoneAfterExit) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    std::string binary("MZ\0\x01\xA7\xFF", 6);
    std::string large(20000, 'a');  // more than one copy chunk
    config.includedFiles = {{"app.txt", large}, {"lib\\x.dll", binary}, {"empty.bin", ""}, {"beyond.txt", "n"}};
    config.set(2002, "3");  // one name more than the count
    std::wstring exe = sandbox.makeLauncher(L"app.exe", config);
    LauncherRun run = sandbox.run(exe, withArguments(keepTempDir));
    EXPECT_NE(run.exitCode, 1u) << run.standardError;

    std::wstring dirName = launcherTempDirIn(sandbox);
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(dirName, match, std::wregex(L"(tsl[0-9A-Fa-f]{1,4}\\.tmp)_dir(-?[0-9]+)")))
        << narrow(dirName);
    // The unique file the name was made from stays, empty.
    EXPECT_TRUE(exists(sandbox.tempDirectory() + L"\\" + match[1].str()));
    EXPECT_EQ(readWholeFile(sandbox.tempDirectory() + L"\\" + match[1].str()), "");
    std::wstring dir = sandbox.tempDirectory() + L"\\" + dirName;
    EXPECT_EQ(readWholeFile(dir + L"\\app.txt"), large);
    EXPECT_EQ(readWholeFile(dir + L"\\lib\\x.dll"), binary);
    EXPECT_FALSE(exists(dir + L"\\empty.bin"));
    EXPECT_FALSE(exists(dir + L"\\beyond.txt"));

    // A start that ends normally removes its directory, the subdirectory too.
    LauncherSandbox second(testName() + "_exit");
    run = second.run(second.makeLauncher(L"app.exe", config));
    EXPECT_NE(run.exitCode, 1u) << run.standardError;
    EXPECT_EQ(launcherTempDirIn(second), L"");
}

TEST(Extraction, NamesReachingOutsideAreRefusedBeforeAnythingIsWritten) {
    LauncherSandbox sandbox(testName());
    std::wstring outside = sandbox.directory() + L"\\outside.txt";
    std::string absolute = narrow(outside);
    for (std::string name : {std::string("..\\outside.txt"), absolute, std::string("lib/../../outside.txt")}) {
        LauncherConfiguration config = quietConfiguration();
        config.includedFiles = {{"fine.txt", "fine"}, {name, "evil"}};
        LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", config));
        EXPECT_EQ(run.exitCode, 1u) << name;
        EXPECT_EQ(run.standardError, "Internal error 11\r\n") << name;
        EXPECT_FALSE(exists(outside)) << name;
        EXPECT_TRUE(sandbox.tempEntries().empty()) << name;  // not even the launcher's directory
    }
}

TEST(Extraction, StreamCutShortIsInternalError16AndLeavesNothing) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    config.includedFiles = {{"small.txt", "s"}, {"big.bin", std::string(100000, 'b')}};
    std::string file = makeLauncherFile(readWholeFile(LauncherSandbox::launcherExe()), config);
    size_t blockEnd = *configurationBlockOffset(file) + writeConfigurationBlock(config).size();
    std::wstring exe = sandbox.writeFile(L"cut.exe", file.substr(0, blockEnd - 50000));
    LauncherRun run = sandbox.run(exe);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "Internal error 16\r\n");
    EXPECT_EQ(launcherTempDirIn(sandbox), L"");
}

}  // namespace
