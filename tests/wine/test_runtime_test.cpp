// The test runtime itself: other suites rely on its executables answering
// "-version" as configured and on its registry helpers.
#include "tests/wine/test_runtime.h"

#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

struct VersionRun {
    DWORD exitCode = 0;
    std::string standardError;
    DWORD milliseconds = 0;
};

// As the launcher probes: no application name, standard error into a file,
// no standard input or output.
VersionRun runVersion(const std::wstring& exe, const std::wstring& errorFile) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE error = CreateFileW(errorFile.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdError = error;
    std::wstring commandLine = L"\"" + exe + L"\" -version";
    PROCESS_INFORMATION info = {};
    VersionRun run;
    DWORD start = GetTickCount();
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        WaitForSingleObject(info.hProcess, 30000);
        GetExitCodeProcess(info.hProcess, &run.exitCode);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    } else {
        run.exitCode = 9999;
    }
    run.milliseconds = GetTickCount() - start;
    CloseHandle(error);
    run.standardError = readWholeFile(errorFile);
    return run;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

TEST(FakeJava, ExecutablesAnswerVersionOnStandardErrorAndCountStarts) {
    LauncherSandbox sandbox(testName());
    TestRuntimeSpec spec;
    spec.version = "11.0.2";
    spec.jdk = true;
    TestRuntime jdk(sandbox.directory() + L"\\jdk", spec);
    std::wstring out = sandbox.directory() + L"\\err.txt";

    VersionRun console = runVersion(jdk.javaExe(), out);
    EXPECT_EQ(console.exitCode, 0u);
    EXPECT_EQ(firstLine(console.standardError), "openjdk version \"11.0.2\" 2019-01-15");
    // javaw.exe has no console, but writes to the handle it inherits.
    VersionRun windowed = runVersion(jdk.runtimeBinDirectory() + L"\\javaw.exe", out);
    EXPECT_EQ(firstLine(windowed.standardError), "openjdk version \"11.0.2\" 2019-01-15");
    EXPECT_EQ(jdk.javaStarts(), 2);
    ASSERT_EQ(jdk.javaStartCommandLines().size(), 2u);
    EXPECT_EQ(jdk.javaStartCommandLines()[0], "\"" + narrow(jdk.javaExe()) + "\" -version");

    TestRuntime old(sandbox.directory() + L"\\jre", TestRuntimeSpec{});
    EXPECT_EQ(firstLine(runVersion(old.javaExe(), out).standardError), "java version \"1.8.0_191\"");
    EXPECT_EQ(old.javaStarts(), 1);
    old.clearStarts();
    EXPECT_EQ(old.javaStarts(), 0);
}

TEST(FakeJava, BehaviourFileSetsOutputExitCodeAndDelay) {
    LauncherSandbox sandbox(testName());
    TestRuntime runtime(sandbox.directory() + L"\\jre");
    std::wstring out = sandbox.directory() + L"\\err.txt";

    FakeJavaBehaviour behaviour;
    behaviour.output = FakeJavaOutput::garbage;
    behaviour.exitCode = 3;
    runtime.setBehaviour(behaviour);
    VersionRun run = runVersion(runtime.javaExe(), out);
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_FALSE(run.standardError.empty());
    EXPECT_EQ(run.standardError.find("version"), std::string::npos);

    behaviour = {};
    behaviour.output = FakeJavaOutput::none;
    behaviour.hangSeconds = 1;
    runtime.setBehaviour(behaviour);
    run = runVersion(runtime.javaExe(), out);
    EXPECT_EQ(run.standardError, "");
    EXPECT_GE(run.milliseconds, 900u);
}

TEST(FakeJava, TouchingMovesTheLastWriteTime) {
    LauncherSandbox sandbox(testName());
    TestRuntime runtime(sandbox.directory() + L"\\jre");
    WIN32_FILE_ATTRIBUTE_DATA before, after;
    ASSERT_TRUE(GetFileAttributesExW(runtime.javaExe().c_str(), GetFileExInfoStandard, &before));
    runtime.touchExecutables(10);
    ASSERT_TRUE(GetFileAttributesExW(runtime.javaExe().c_str(), GetFileExInfoStandard, &after));
    ULARGE_INTEGER a, b;
    a.LowPart = before.ftLastWriteTime.dwLowDateTime;
    a.HighPart = before.ftLastWriteTime.dwHighDateTime;
    b.LowPart = after.ftLastWriteTime.dwLowDateTime;
    b.HighPart = after.ftLastWriteTime.dwHighDateTime;
    EXPECT_EQ(b.QuadPart - a.QuadPart, 100000000ULL);
}

TEST(FakeJava, RegistryHelpersKeepViewsApartAndCleanUp) {
    const std::wstring key = L"SOFTWARE\\TesselTestRuntime\\Views";
    {
        RegistryCleanup cleanup({{HKEY_CURRENT_USER, L"SOFTWARE\\TesselTestRuntime"},
                                 {HKEY_LOCAL_MACHINE, L"SOFTWARE\\TesselTestRuntime"}});
        EXPECT_TRUE(setRegistryString(HKEY_LOCAL_MACHINE, key, L"Name", L"sixty-four", RegistryView::wow64));
        EXPECT_TRUE(setRegistryString(HKEY_LOCAL_MACHINE, key, L"Name", L"thirty-two", RegistryView::wow32));
        // A 32-bit system (as a win32 Wine prefix) has a single view.
        BOOL wow64 = FALSE;
        IsWow64Process(GetCurrentProcess(), &wow64);
        EXPECT_EQ(readRegistryString(HKEY_LOCAL_MACHINE, key, L"Name", RegistryView::wow64),
                  wow64 ? L"sixty-four" : L"thirty-two");
        EXPECT_EQ(readRegistryString(HKEY_LOCAL_MACHINE, key, L"Name", RegistryView::wow32), L"thirty-two");
        EXPECT_EQ(readRegistryString(HKEY_LOCAL_MACHINE, key, L"Name"), L"thirty-two");
        bool found = true;
        readRegistryString(HKEY_CURRENT_USER, key, L"Name", RegistryView::standard, &found);
        EXPECT_FALSE(found);
        EXPECT_TRUE(createRegistryKey(HKEY_CURRENT_USER, key + L"\\a\\b"));
        EXPECT_TRUE(setRegistryBinary(HKEY_CURRENT_USER, key, L"Bytes", std::string("\0\1", 2)));
    }
    for (RegistryView view : {RegistryView::standard, RegistryView::wow32, RegistryView::wow64}) {
        EXPECT_FALSE(registryKeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TesselTestRuntime", view));
        EXPECT_FALSE(registryKeyExists(HKEY_CURRENT_USER, L"SOFTWARE\\TesselTestRuntime", view));
    }
}

}  // namespace
