// The start-up of the real launcher: the hardened start's system DLLs and the
// reboot request. Damaged blocks are the Cuts suite's.
#include <gtest/gtest.h>

#include "environment/win32/shutdown_privilege.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

// On Windows 6.0 the DLL search order is left as it is; the hardened start
// must still take its system DLLs from the system directory, never from
// beside the launcher.
TEST(Startup, HardenedStartLoadsSystemDllsOnlyFromTheSystemDirectory) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    for (const wchar_t* name : {L"davhlpr.dll", L"fwbase.dll"})
        CopyFileW(fakeJavaProgram(L"planted.dll").c_str(), sandbox.path(name).c_str(), FALSE);
    // Wine tells a program of this name that it runs on Windows 6.0.
    const wchar_t* appDefaults = L"Software\\Wine\\AppDefaults\\hardened60.exe";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, appDefaults, L"Version", REG_SZ, L"vista", 12), ERROR_SUCCESS);
    LauncherRun run = sandbox.run(sandbox.makeLauncher(appConfiguration().set(154, "1"), L"hardened60.exe"));
    RegDeleteTreeW(HKEY_CURRENT_USER, appDefaults);
    EXPECT_EQ(run.exitCode, 0u) << run.standardError;
    EXPECT_FALSE(fileExists(sandbox.path(L"davhlpr.dll.loaded")));
    EXPECT_FALSE(fileExists(sandbox.path(L"fwbase.dll.loaded")));
}

// No test may restart Windows: under Wine that would end every process of
// the prefix. The launcher runs under a token without the shutdown
// privilege, so it takes the whole path and requests nothing.
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
    LauncherSandbox sandbox;
    // The bare launcher has no block: reading it would end with exit code 1.
    std::wstring exe = sandbox.writeFile(L"bare.exe", LauncherSandbox::launcherImage());
    DWORD start = GetTickCount();
    LauncherRun run = sandbox.run(exe, {L"__ovn_reboot", {{L"TESSEL_LOG", L"yes"}}, token});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.standardError, "");
    EXPECT_GE(GetTickCount() - start, 4900u);  // it waits before asking for the privilege
    EXPECT_TRUE(sandbox.tempEntries().empty());  // nothing logged: the block was never read
    CloseHandle(token);
}

}  // namespace
