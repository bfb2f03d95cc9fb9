// Single-instance mode between real launcher processes: instance semaphore
// names, command lines forwarded through the mailslot into the running
// instance's recording VM, and what a dead instance leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

const std::string startupCall = "CallStaticVoidMethod com/tessel/Controller startupPerformed ";

size_t countLines(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// Until the transcript has that many lines starting with prefix (at most 60 s).
bool awaitTranscript(const TestRuntime& runtime, const std::string& prefix, size_t count) {
    for (int i = 0; i < 600; ++i, Sleep(100))
        if (countLines(runtime.jvmTranscript(), prefix) >= count) return true;
    return false;
}

std::string instanceKey(const std::wstring& exe) { return lowerAscii(utf8(exe)); }

std::string semaphoreStem(const std::wstring& exe) {
    std::string name = "Local\\" + instanceKey(exe);
    std::replace_if(name.begin() + 6, name.end(), [](char c) { return c == '\\' || c == ' '; }, '_');
    return name;
}

DWORD registeredPid(const std::wstring& exe) {
    DWORD pid = 0, size = sizeof pid;
    RegGetValueA(HKEY_CURRENT_USER, "SOFTWARE\\valdrin-works\\tessel\\pids", instanceKey(exe).c_str(),
                 RRF_RT_REG_DWORD, nullptr, &pid, &size);
    return pid;
}

RunOptions withArguments(const std::wstring& arguments) {
    RunOptions options = isolatedRun(false);
    options.arguments = arguments;
    return options;
}

TEST(Instance, EveryStartOutsideSingleInstanceModeTakesTheFirstFreeNumber) {
    LauncherSandbox sandbox;
    TestRuntimeSetup setup;
    setup.vm.awaitedStartups = 1;  // none come: each instance stays until it is ended
    TestRuntime runtime(sandbox.path(L"jre"), setup);
    std::wstring exe = sandbox.makeLauncher(appConfiguration(), L"my app.exe");
    const std::string property = "option -Dtessel.semaphoreName=";

    StartedLauncher first = sandbox.start(exe, isolatedRun(false));
    ASSERT_TRUE(awaitTranscript(runtime, property, 1));
    std::wstring upperCase = exe;  // the same file through another spelling: the same name stem
    std::transform(upperCase.begin(), upperCase.end(), upperCase.begin(), towupper);
    StartedLauncher second = sandbox.start(upperCase, isolatedRun(false));
    ASSERT_TRUE(awaitTranscript(runtime, property, 2));
    for (StartedLauncher* started : {&first, &second}) {
        TerminateProcess(started->process, 7);  // a killed instance frees its name too
        LauncherSandbox::finish(*started);
    }
    sandbox.writeFile(L"jre\\bin\\client\\fakejvm.cfg", "");
    EXPECT_EQ(sandbox.run(exe, isolatedRun(false)).exitCode, 0u);
    std::wstring global = sandbox.makeLauncher(appConfiguration().set(158, "1"), L"global.exe");
    EXPECT_EQ(sandbox.run(global, isolatedRun(false)).exitCode, 0u);

    std::string stem = semaphoreStem(exe);
    EXPECT_NE(stem.find("my_app.exe"), std::string::npos);
    std::string globalName = "Global\\" + semaphoreStem(global).substr(6) + "0";
    std::vector<std::string> expected = {property + stem + "0", property + stem + "1", property + stem + "0",
                                         property + globalName};
    EXPECT_EQ(linesWith(runtime.jvmTranscript(), property), expected);
}

TEST(Instance, SecondStartsForwardTheirCommandLinesEachExactlyOnce) {
    LauncherSandbox sandbox;
    const int simultaneous = 20;
    TestRuntimeSetup setup;
    setup.vm.awaitedStartups = 3 + simultaneous;
    TestRuntime runtime(sandbox.path(L"jre"), setup);
    std::wstring exe = sandbox.makeLauncher(appConfiguration().set(10005, "1"));

    StartedLauncher running = sandbox.start(exe, isolatedRun());
    ASSERT_TRUE(awaitTranscript(runtime, "JNI_CreateJavaVM", 1));
    EXPECT_EQ(registeredPid(exe), running.processId);
    EXPECT_EQ(sandbox.run(exe, withArguments(L"a \"b c\"")).exitCode, 0u);
    EXPECT_EQ(sandbox.run(exe, withArguments(L"")).exitCode, 0u);
    // Messages no launcher writes are dropped, and the next one still arrives.
    std::string mailslot = "\\\\.\\mailslot\\orvane_notification_" + std::to_string(running.processId);
    HANDLE slot = CreateFileA(mailslot.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(slot, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    for (const std::string& message : {std::string("odd"), std::string(70000, 'x'), std::string("d\0i\0r\0", 6)})
        WriteFile(slot, message.data(), static_cast<DWORD>(message.size()), &written, nullptr);
    CloseHandle(slot);
    std::vector<StartedLauncher> seconds;
    for (int i = 0; i < simultaneous; ++i) seconds.push_back(sandbox.start(exe, withArguments(L"n" + std::to_wstring(i))));
    for (StartedLauncher& second : seconds) EXPECT_EQ(LauncherSandbox::finish(second).exitCode, 0u);
    LauncherRun first = LauncherSandbox::finish(running);
    EXPECT_EQ(first.exitCode, 0u) << first.standardError;

    std::vector<std::string> transcript = runtime.jvmTranscript();
    EXPECT_EQ(countLines(transcript, "JNI_CreateJavaVM"), 1u);  // no second VM was started
    EXPECT_EQ(countLines(transcript, startupCall), 3u + simultaneous);
    EXPECT_EQ(countLines(transcript, startupCall + "null"), 1u);
    std::vector<std::string> texts = {"\"a \"b c\"\"", "\"dir\""};
    for (int i = 0; i < simultaneous; ++i) texts.push_back("\"n" + std::to_string(i) + "\"");
    for (const std::string& text : texts) {  // each delivered once, its string released
        EXPECT_EQ(countLines(transcript, startupCall + text), 1u) << text;
        EXPECT_EQ(countLines(transcript, "DeleteLocalRef " + text), 1u) << text;
    }
    // One attach and one lookup serve every notification.
    EXPECT_EQ(countLines(transcript, "AttachCurrentThreadAsDaemon"), 1u);
    EXPECT_EQ(countLines(transcript, "FindClass com/tessel/Controller"), 1u);

    std::vector<std::string> log = sandbox.takeLog();
    EXPECT_TRUE(contains(log, "single instance mode"));
    EXPECT_TRUE(contains(log, "creating mailslot successful"));
    EXPECT_TRUE(contains(log, "listening to mailslot"));
    EXPECT_TRUE(contains(log, "error mailslot read 3 bytes dropped"));
}

TEST(Instance, EarlyNotificationsWaitForTheVmAndADeadInstanceBlocksNoStart) {
    LauncherSandbox sandbox;
    TestRuntimeSetup setup;
    setup.vm.awaitedStartups = 1;
    setup.vm.creationDelayMs = 3000;
    TestRuntime runtime(sandbox.path(L"jre"), setup);
    std::wstring exe = sandbox.makeLauncher(appConfiguration().set(10005, "1"));

    StartedLauncher running = sandbox.start(exe, isolatedRun(false));
    ASSERT_TRUE(awaitTranscript(runtime, "JNI_CreateJavaVM", 1));  // the VM is not created yet
    EXPECT_EQ(sandbox.run(exe, withArguments(L"early")).exitCode, 0u);
    EXPECT_EQ(LauncherSandbox::finish(running).exitCode, 0u);
    EXPECT_EQ(countLines(runtime.jvmTranscript(), startupCall + "\"early\""), 1u);

    // The registry still names the ended instance: a new start runs and takes its place.
    sandbox.writeFile(L"jre\\bin\\client\\fakejvm.cfg", "");
    StartedLauncher next = sandbox.start(exe, isolatedRun(false));
    EXPECT_EQ(LauncherSandbox::finish(next).exitCode, 0u);
    EXPECT_EQ(countLines(runtime.jvmTranscript(), "JNI_CreateJavaVM"), 2u);
    EXPECT_EQ(registeredPid(exe), next.processId);

    // An instance that holds the name but whose registered process is gone:
    // the second start gives up after the registry's grace time, not later.
    HANDLE held = CreateSemaphoreA(nullptr, 1, 1, semaphoreStem(exe).c_str());
    ASSERT_NE(held, nullptr);
    auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(sandbox.run(exe, isolatedRun()).exitCode, 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(9));
    CloseHandle(held);
    EXPECT_EQ(countLines(runtime.jvmTranscript(), "JNI_CreateJavaVM"), 2u);
    std::vector<std::string> log = sandbox.takeLog();
    EXPECT_TRUE(contains(log, "other pid 0"));
    EXPECT_TRUE(contains(log, "exiting"));
}

}  // namespace
