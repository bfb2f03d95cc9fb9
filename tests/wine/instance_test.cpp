// Single-instance mode between real launcher processes and the recording VM.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

// Transcript lines that begin with prefix, once there are awaited of them (60 s at most).
size_t count(const TestRuntime& runtime, const std::string& prefix, size_t awaited = 0) {
    for (int i = 0;; ++i, Sleep(100)) {
        size_t n = linesWith(runtime.jvmTranscript(), prefix).size();
        if (n >= awaited || i == 600) return n;
    }
}

std::string semaphoreStem(const std::wstring& exe) {
    std::string name = lowerAscii(utf8(exe));
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '\\' || c == ' '; }, '_');
    return "Local\\" + name;
}

RunOptions quiet(std::wstring arguments = L"-q_ovn_internal") { return {arguments, isolatedRun(false).environment}; }

TEST(Instance, EveryStartOutsideSingleInstanceModeTakesTheFirstFreeNumber) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    runtime.configureVm("notifications=1");  // none come: each instance stays until it is ended
    std::wstring exe = sandbox.makeLauncher(appConfiguration(), L"my app.exe"), upperCase = exe;
    std::transform(upperCase.begin(), upperCase.end(), upperCase.begin(), towupper);  // the same file
    const std::string property = "option -Dtessel.semaphoreName=";
    StartedLauncher first = sandbox.start(exe, quiet());
    ASSERT_EQ(count(runtime, property, 1), 1u);
    StartedLauncher second = sandbox.start(upperCase, quiet());
    ASSERT_EQ(count(runtime, property, 2), 2u);
    TerminateProcess(first.process, 7);  // a killed instance frees its name too
    TerminateProcess(second.process, 7);
    sandbox.finish(first), sandbox.finish(second);
    runtime.configureVm("");
    std::wstring global = sandbox.makeLauncher(appConfiguration().set(158, "1"), L"global.exe");
    EXPECT_EQ(sandbox.run(exe, quiet()).exitCode + sandbox.run(global, quiet()).exitCode, 0u);
    std::string stem = property + semaphoreStem(exe);
    EXPECT_EQ(linesWith(runtime.jvmTranscript(), property),
              (std::vector<std::string>{stem + "0", stem + "1", stem + "0",
                                        property + "Global\\" + semaphoreStem(global).substr(6) + "0"}));
}

TEST(Instance, SecondStartsForwardTheirCommandLinesEachExactlyOnce) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    // The first notification comes before the VM exists.
    runtime.configureVm("notifications=23\ncreateDelayMs=2000");
    std::wstring exe = sandbox.makeLauncher(appConfiguration().set(10005, "1"));
    StartedLauncher running = sandbox.start(exe, quiet());
    ASSERT_EQ(count(runtime, "JNI_CreateJavaVM", 1), 1u);
    EXPECT_EQ(sandbox.run(exe, quiet(L"a \"b c\"")).exitCode + sandbox.run(exe, quiet(L"")).exitCode, 0u);
    // Messages no launcher writes are dropped, and the next one still arrives.
    std::string mailslot = "\\\\.\\mailslot\\orvane_notification_" + std::to_string(running.processId);
    HANDLE slot = CreateFileA(mailslot.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    for (const std::string& message : {std::string("odd"), std::string(70000, 'x'), std::string("d\0i\0r\0", 6)})
        WriteFile(slot, message.data(), static_cast<DWORD>(message.size()), &written, nullptr);
    CloseHandle(slot);
    std::vector<StartedLauncher> seconds;
    for (int i = 0; i < 20; ++i) seconds.push_back(sandbox.start(exe, quiet(L"n" + std::to_wstring(i))));
    for (StartedLauncher& second : seconds) EXPECT_EQ(sandbox.finish(second).exitCode, 0u);
    EXPECT_EQ(sandbox.finish(running).exitCode, 0u);

    const std::string call = "CallStaticVoidMethod com/tessel/Controller startupPerformed ";
    std::vector<std::string> texts = {"\"a \"b c\"\"", "\"dir\""};
    for (int i = 0; i < 20; ++i) texts.push_back("\"n" + std::to_string(i) + "\"");
    for (const std::string& text : texts)  // each delivered once, its string released
        EXPECT_EQ(count(runtime, call + text) + count(runtime, "DeleteLocalRef " + text), 2u) << text;
    EXPECT_EQ(count(runtime, call + "null") + count(runtime, call), 1u + 23u);
    for (const char* once : {"JNI_CreateJavaVM", "AttachCurrentThreadAsDaemon", "FindClass com/tessel/Controller"})
        EXPECT_EQ(count(runtime, once), 1u) << once;

    // The registry still names the ended instance: a new start runs all the
    // same. If someone holds the name but the registered process is gone,
    // a second start waits only the registry's grace time.
    runtime.configureVm("");
    EXPECT_EQ(sandbox.run(exe, quiet()).exitCode, 0u);
    HANDLE held = CreateSemaphoreA(nullptr, 1, 1, semaphoreStem(exe).c_str());
    ULONGLONG begin = GetTickCount64();
    EXPECT_EQ(sandbox.run(exe, isolatedRun()).exitCode, 0u);
    EXPECT_LT(GetTickCount64() - begin, 15000u);
    CloseHandle(held);
    EXPECT_EQ(count(runtime, "JNI_CreateJavaVM"), 2u);
    EXPECT_TRUE(contains(sandbox.takeLog(), "other pid 0"));
}

}  // namespace
