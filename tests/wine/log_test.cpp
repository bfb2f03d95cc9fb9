// The diagnostic log of the real launcher: when it is written, where, and how.
#include <gtest/gtest.h>

#include <regex>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

TEST(Log, SwitchedOnByExactYesOrTheFirstArgumentNumberedAndTimeStamped) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    std::wstring exe = sandbox.makeLauncher(appConfiguration("1"));
    for (const wchar_t* value : {L"Yes", L"YES", L"yes "}) {
        EXPECT_EQ(sandbox.run(exe, {L"", {{L"TESSEL_LOG", value}}}).exitCode, 0u);
        EXPECT_EQ(sandbox.run(exe, {L"", {{L"ORVANE_LOG", value}}}).exitCode, 0u);
    }
    sandbox.run(exe, {L"x -create-ovn-log"});  // as the second argument the option is the application's
    EXPECT_TRUE(sandbox.tempEntries().empty());

    EXPECT_EQ(sandbox.run(exe, {L"", {{L"TESSEL_LOG", L"yes"}}}).exitCode, 0u);
    // Without a display the offer to open Explorer is answered at once, not with Yes.
    EXPECT_EQ(sandbox.run(exe, {L"/create-tsl-log"}).exitCode, 0u);
    EXPECT_EQ(sandbox.tempEntries(), (std::vector<std::wstring>{L"ovn_nlog_1.log", L"ovn_nlog_2.log"}));
    EXPECT_EQ(readFile(sandbox.tempDirectory() + L"\\ovn_nlog_2.log").find("explorer.exe"), std::string::npos);

    std::string log = readFile(sandbox.tempDirectory() + L"\\ovn_nlog_1.log");
    ASSERT_EQ(log.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::string> lines = splitLines(log.substr(3));
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("Started executable " + utf8(exe) + " at ", 0), 0u) << lines[0];
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(" at \\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}$")))
        << lines[0];
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("\\[0:\\d{1,3}\\] .*"))) << lines[2];  // time since the start
}

}  // namespace
