// The reboot request. No test may restart Windows: under Wine that would end
// every process of the prefix. The launcher runs under a token without the
// shutdown privilege, so it takes the whole path and requests nothing.
#include <gtest/gtest.h>

#include "environment/win32/shutdown_privilege.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// A primary token like the process's own, with SeShutdownPrivilege deleted.
HANDLE tokenWithoutShutdownPrivilege() {
    HANDLE own = nullptr, restricted = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &own)) return nullptr;
    LUID_AND_ATTRIBUTES shutdown = {};
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &shutdown.Luid);
    CreateRestrictedToken(own, 0, 0, nullptr, 1, &shutdown, 0, nullptr, &restricted);
    CloseHandle(own);
    return restricted;
}

TEST(Reboot, RequestAloneExitsZeroWithoutReadingTheBlock) {
    HANDLE token = tokenWithoutShutdownPrivilege();
    ASSERT_NE(token, nullptr);
    ASSERT_FALSE(enableShutdownPrivilege(token));  // never run the launcher with the privilege
    LauncherSandbox sandbox(testName());
    // The bare launcher has no block: reading it would end with exit code 1.
    std::wstring exe = sandbox.writeFile(L"bare.exe", readWholeFile(LauncherSandbox::launcherExe()));
    RunOptions options;
    options.arguments = L"__ovn_reboot";
    options.token = token;
    options.environment[L"TESSEL_LOG"] = L"yes";
    DWORD start = GetTickCount();
    LauncherRun run = sandbox.run(exe, options);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.standardError, "");
    EXPECT_GE(GetTickCount() - start, 4900u);  // it waits before asking for the privilege
    EXPECT_TRUE(sandbox.tempEntries().empty());  // nothing logged: the block was never read
    CloseHandle(token);
}

}  // namespace
