// Included files of real launcher files: where they go, what is refused, and
// that the launcher's temporary directory is gone after the process.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "environment/temp_dir.h"
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

RunOptions withLog(const std::wstring& arguments = L"") {
    RunOptions options;
    options.arguments = arguments;
    options.environment[L"TESSEL_LOG"] = L"yes";
    return options;
}

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

TEST(Extraction, FilesLandInTheLauncherTempDirectoryNamedAfterAUniqueFile) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    std::string binary("MZ\0\x01\xA7\xFF", 6);
    config.includedFiles = {{"app.txt", "hello"}, {"lib\\x.dll", binary}, {"empty.bin", ""}, {"beyond.txt", "n"}};
    config.set(2002, "3");  // one name more than the count
    LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", config), withArguments(keepTempDir));
    EXPECT_NE(run.exitCode, 1u) << run.standardError;

    std::wstring dirName = launcherTempDirIn(sandbox);
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(dirName, match, std::wregex(L"(tsl[0-9A-Fa-f]{1,4}\\.tmp)_dir(-?[0-9]+)")))
        << narrow(dirName);
    // The unique file the name was made from stays, empty.
    std::vector<std::wstring> entries = sandbox.tempEntries();
    EXPECT_NE(std::find(entries.begin(), entries.end(), match[1].str()), entries.end());
    EXPECT_EQ(readWholeFile(sandbox.tempDirectory() + L"\\" + match[1].str()), "");
    long long seconds = std::stoll(match[2].str());
    EXPECT_NEAR(static_cast<double>(seconds), static_cast<double>(static_cast<int32_t>(time(nullptr))), 120.0);

    std::wstring dir = sandbox.tempDirectory() + L"\\" + dirName;
    EXPECT_EQ(readWholeFile(dir + L"\\app.txt"), "hello");
    EXPECT_EQ(readWholeFile(dir + L"\\lib\\x.dll"), binary);
    EXPECT_FALSE(exists(dir + L"\\empty.bin"));
    EXPECT_FALSE(exists(dir + L"\\beyond.txt"));
}

TEST(Extraction, DirectoryIsRemovedAtExitAndTheLogTellsWhatWasExtracted) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    config.includedFiles = {{"a.txt", std::string(20000, 'a')}, {"lib\\b.dll", "b"}};
    LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", config), withLog());
    EXPECT_NE(run.exitCode, 1u) << run.standardError;
    EXPECT_EQ(launcherTempDirIn(sandbox), L"");
    std::string log = readWholeFile(sandbox.tempDirectory() + L"\\ovn_nlog_1.log");
    EXPECT_TRUE(std::regex_search(log, std::regex("extracting [^\r\n]*\\\\tsl[0-9A-Fa-f]+\\.tmp_dir-?\\d+\\\\a\\.txt "
                                                  "\\(size: 20000\\)")))
        << log;
    EXPECT_NE(log.find("extracting files done"), std::string::npos);
    EXPECT_NE(log.find("emptying "), std::string::npos);
}

TEST(Extraction, NamesReachingOutsideAreRefusedBeforeAnythingIsWritten) {
    LauncherSandbox sandbox(testName());
    std::wstring outside = sandbox.directory() + L"\\outside.txt";
    std::string absolute = narrow(outside);
    for (std::string name : {std::string("..\\..\\outside.txt"), std::string("..\\outside.txt"), absolute,
                             std::string("lib\\sub\\deep.txt"), std::string("lib/../../outside.txt")}) {
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

// removeTree on real directories; the link rules are tested natively, as
// Wine makes no links.
TEST(Extraction, RemoveTreeEmptiesTwoLevelsAndLeavesDeeperNonEmptyDirectories) {
    LauncherSandbox sandbox(testName());
    std::wstring root = sandbox.directory() + L"\\tree";
    for (const wchar_t* dir : {L"", L"\\a", L"\\a\\b", L"\\a\\empty"})
        CreateDirectoryW((root + dir).c_str(), nullptr);
    for (const wchar_t* file : {L"tree\\top.txt", L"tree\\a\\mid.txt", L"tree\\a\\b\\deep.txt"})
        sandbox.writeFile(file, "x");
    removeTree(narrow(root) + "\\", true);
    EXPECT_FALSE(exists(root + L"\\top.txt"));
    EXPECT_FALSE(exists(root + L"\\a\\mid.txt"));
    EXPECT_FALSE(exists(root + L"\\a\\empty"));
    EXPECT_TRUE(exists(root + L"\\a\\b\\deep.txt"));
}

}  // namespace
