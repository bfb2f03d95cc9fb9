// The JNI launch: real launcher files run their launcher class's main in the
// recording VM of the test runtime; the helper library's log function in
// this process.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"
#include "windows/JavaVMLauncher/runtime_calls.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

LauncherConfiguration launchConfiguration(const char* flavour) {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main").set(128, "B.\\jre;").set(2001, flavour);
    config.message(1005, u"The Java VM failed to start.").message(1010, u"No launcher class.");
    config.message(1011, u"No main method.");
    return config;
}

// The texts after prefix of the transcript lines that begin with it.
std::vector<std::string> after(const std::vector<std::string>& transcript, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : transcript)
        if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
    return found;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Launch, OptionsInOrderAndTheArgumentArrayReachMainOfTheFlavoursLauncherClass) {
    struct {
        const char* flavour;
        const char* executableType;
        const char* javaSideFlag;
        const wchar_t* manpath;  // "" removes it, which adds the console code page
        std::vector<std::string> properties;
        const char* launcherClass;
        std::vector<std::string> leadingArguments;
    } cases[] = {
        {"t", "1", "0", L"/usr/share/man",
         {"tessel.moduleName", "sun.java.command", "tessel.tempDir", "tessel.unextractedPosition", "java.library.path"},
         "com/tessel/runtime/WinLauncher", {"true", "com.example.Main", "", "", "false"}},
        {"o", "0", "1", L"",
         {"tessel.isOrvane", "tessel.moduleName", "sun.java.command", "tessel.tempDir", "tessel.unextractedPosition",
          "java.library.path", "tessel.consoleCodepage"},
         "com/orvane/runtime/launcher/WinLauncher", {"false", "com.example.Main", "", "", "true"}},
    };
    for (const auto& c : cases) {
        LauncherSandbox sandbox(testName() + c.flavour);
        TestRuntime runtime(sandbox.directory() + L"\\jre");
        LauncherConfiguration config = launchConfiguration(c.flavour);
        config.set(107, c.executableType).set(106, c.javaSideFlag).set(123, "-Xmx256m").set(166, "1");
        std::wstring exe = sandbox.makeLauncher(L"app.exe", config);
        sandbox.writeFile(L"app.vmoptions", "-Xmx1g\r\n");
        RunOptions options = withArguments(L"-q_ovn_internal a \"b c\"");
        options.environment[L"MANPATH"] = c.manpath;
        LauncherRun run = sandbox.run(exe, options);
        EXPECT_EQ(run.exitCode, 0u) << run.standardError;

        std::vector<std::string> transcript = runtime.jvmTranscript(L"bin\\client");
        std::vector<std::string> optionNames, expectedNames;
        for (const std::string& option : after(transcript, "option "))
            optionNames.push_back(option.substr(0, option.find('=')));
        for (const std::string& property : c.properties) expectedNames.push_back("-D" + property);
        expectedNames.insert(expectedNames.end(), {"-Xmx256m", "-Xmx1g", "-Djava.class.path"});
        EXPECT_EQ(optionNames, expectedNames) << c.flavour;
        EXPECT_TRUE(contains(transcript, "option -Dtessel.moduleName=" + narrow(exe)));
        EXPECT_TRUE(contains(transcript, "option -Dsun.java.command=" + narrow(exe)));

        // The quiet switch stays among the application's arguments.
        std::vector<std::string> arguments = c.leadingArguments;
        arguments.insert(arguments.end(), {narrow(exe), "-q_ovn_internal", "a", "b c"});
        for (size_t i = 0; i < arguments.size(); ++i) arguments[i] = std::to_string(i) + " \"" + arguments[i] + "\"";
        EXPECT_EQ(after(transcript, "SetObjectArrayElement "), arguments) << c.flavour;
        std::string mainCall = "CallStaticVoidMethod " + std::string(c.launcherClass) + " main java/lang/String[9]";
        ASSERT_GE(transcript.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(transcript.end() - 3, transcript.end()),
                  (std::vector<std::string>{mainCall, "ExceptionOccurred", "DestroyJavaVM"}))
            << c.flavour;
    }
}

TEST(Launch, FailuresOfTheVmOrTheApplicationEndTheLauncher) {
    FakeVmBehaviour refusing, noLauncherClass, noMain, throwing, exiting;
    refusing.creationFails = true;
    noLauncherClass.missingClasses = {"com/tessel/runtime/WinLauncher"};
    noMain.missingMethods = {"main"};
    throwing.mainThrows = "java.lang.IllegalStateException: boom";
    exiting.mainExitCode = 7;  // System.exit(7) in the application
    struct {
        const FakeVmBehaviour& vm;
        DWORD exitCode;
        const char* standardError;
    } cases[] = {
        {refusing, 1, "The Java VM failed to start.\r\n"},
        {noLauncherClass, 1, "No launcher class.\r\n"},
        {noMain, 1, "No main method.\r\n"},
        {throwing, 1,
         "Exception in thread \"main\" java.lang.IllegalStateException: boom\r\nThe Java VM failed to start.\r\n"},
        {exiting, 7, ""},
    };
    LauncherSandbox sandbox(testName());
    std::wstring exe = sandbox.makeLauncher(L"app.exe", launchConfiguration("t"));
    for (const auto& c : cases) {
        TestRuntimeSpec setup;
        setup.vmBehaviour = c.vm;
        TestRuntime runtime(sandbox.directory() + L"\\jre", setup);
        LauncherRun run = sandbox.run(exe, withArguments(L"-q_ovn_internal"));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.standardError;
        EXPECT_EQ(run.standardError, c.standardError);
        EXPECT_FALSE(contains(runtime.jvmTranscript(L"bin\\client"), "DestroyJavaVM")) << c.standardError;
    }
}

TEST(Launch, HelperLibraryLogsThroughTheCRuntimesWidePrintf) {
    LauncherSandbox sandbox("LaunchLog");
    InProcessLog::enable(sandbox.tempDirectory());
    InProcessLog log;
    // In the wide functions of the Windows C runtime "%s" is a wide text and "%S" an 8-bit one.
    helperLogError(L"%s failed: %d, %S", L"registering", 5, "native");
    std::wstring longText(3000, L'w');
    helperLogError(L"%s", longText.c_str());
    EXPECT_TRUE(log.contains("ERROR: registering failed: 5, native"));
    EXPECT_TRUE(log.contains("ERROR: " + narrow(longText)));
}

}  // namespace
