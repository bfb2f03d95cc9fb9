// The diagnostic log of the real launcher: when it is written, where, and how.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// A launcher file with a runtime beside it, so that the start-up runs to its
// end: the application's main returns in the test runtime's VM.
std::wstring makeApp(LauncherSandbox& sandbox, LauncherConfiguration config = {}) {
    TestRuntime runtime(sandbox.directory() + L"\\jre");
    config.set(107, "1").set(122, "com.example.Main").set(128, "B.\\jre;");
    return sandbox.makeLauncher(L"app.exe", config);
}

// The log files in the sandbox's temporary directory, sorted.
std::vector<std::wstring> logFiles(const LauncherSandbox& sandbox) {
    std::vector<std::wstring> logs;
    for (const std::wstring& name : sandbox.tempEntries())
        if (name.rfind(L"ovn_nlog", 0) == 0) logs.push_back(name);
    std::sort(logs.begin(), logs.end());
    return logs;
}

RunOptions withEnvironment(const std::wstring& name, const std::wstring& value) {
    RunOptions options;
    options.environment[name] = value;
    return options;
}

TEST(Log, TesselLogYesWritesHeaderAndTimeStampedLines) {
    LauncherSandbox sandbox(testName());
    std::wstring exe = makeApp(sandbox);
    LauncherRun run = sandbox.run(exe, withEnvironment(L"TESSEL_LOG", L"yes"));
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(logFiles(sandbox), std::vector<std::wstring>{L"ovn_nlog_1.log"});
    std::string log = readWholeFile(sandbox.tempDirectory() + L"\\ovn_nlog_1.log");
    ASSERT_EQ(log.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::string> lines = splitLines(log.substr(3));
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("Started executable " + narrow(exe) + " at ", 0), 0u) << lines[0];
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(" at \\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}$")))
        << lines[0];
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("\\[0:\\d{1,3}\\] .*"))) << lines[2];
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex("\\[[1-9]?\\d*:(0|[1-9]\\d{0,2})\\] .*"))) << lines[i];
    EXPECT_NE(log.find("\r\n"), std::string::npos);

    // Every stage is walked, in the order of the start-up sequence.
    const char* stages[] = {"number of sections: ", "rawDataSize: ", "language/country is ",
                            "working directory unchanged", "enterInstanceMode", "extracting files",
                            "Setting PATH (native libs) ", "Trying to load JVM-DLL from ", "launching program",
                            "Creating JVM", "calling main", "dest JVM", "launch done"};
    size_t at = 0;
    for (const char* stage : stages) {
        size_t found = log.find(stage, at);
        EXPECT_NE(found, std::string::npos) << stage;
        if (found != std::string::npos) at = found;
    }
}

TEST(Log, SwitchedOnOnlyByExactYesOrTheFirstArgumentAndNumberedOnward) {
    LauncherSandbox sandbox(testName());
    std::wstring exe = makeApp(sandbox);
    for (const wchar_t* value : {L"Yes", L"YES", L"yes "}) {
        EXPECT_EQ(sandbox.run(exe, withEnvironment(L"TESSEL_LOG", value)).exitCode, 0u);
        EXPECT_EQ(sandbox.run(exe, withEnvironment(L"ORVANE_LOG", value)).exitCode, 0u);
    }
    // As the second argument the option is the application's.
    sandbox.run(exe, withArguments(L"x -create-ovn-log"));
    EXPECT_TRUE(logFiles(sandbox).empty());
    sandbox.run(exe, withEnvironment(L"ORVANE_LOG", L"yes"));
    // Without a display the offer to open Explorer is answered at once, not with Yes.
    EXPECT_EQ(sandbox.run(exe, withArguments(L"/create-tsl-log")).exitCode, 0u);
    EXPECT_EQ(logFiles(sandbox), (std::vector<std::wstring>{L"ovn_nlog_1.log", L"ovn_nlog_2.log"}));
    EXPECT_EQ(readWholeFile(sandbox.tempDirectory() + L"\\ovn_nlog_2.log").find("explorer.exe"), std::string::npos);
}

}  // namespace
