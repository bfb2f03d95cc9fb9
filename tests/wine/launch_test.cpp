// The JNI launch: real launcher files run their launcher class's main in the
// recording VM of the test runtime; in this process, the helper library's log
// function and the VM option list with the real file system.
#include <gtest/gtest.h>

#include <tuple>

#include "jvmlaunch/vm_options.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/win32/win32_platform.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"
#include "windows/JavaVMLauncher/runtime_calls.h"

namespace {

LauncherConfiguration launchConfiguration() {
    LauncherConfiguration config = appConfiguration();
    config.message(1005, u"The Java VM failed to start.").message(1010, u"No launcher class.");
    return config.message(1011, u"No main method.");
}

// The texts after prefix of the lines that begin with it.
std::vector<std::string> after(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
    return found;
}

// The orvane flavour, with a MANPATH that keeps the console code page out; the
// properties' values, the other flavour's and main's leading arguments are the
// unit tests'.
TEST(Launch, OptionsInOrderAndTheArgumentArrayReachMainOfTheFlavoursLauncherClass) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    LauncherConfiguration config = launchConfiguration();
    std::wstring exe = sandbox.makeLauncher(config.set(2001, "o").set(106, "1").set(123, "-Xmx256m").set(166, "1"));
    sandbox.writeFile(L"app.vmoptions", "-Xmx1g\r\n");
    LauncherRun run = sandbox.run(exe, {L"-q_ovn_internal a \"b c\"", {{L"MANPATH", L"/usr/share/man"}}});
    EXPECT_EQ(run.exitCode, 0u) << run.standardError;

    std::vector<std::string> transcript = runtime.jvmTranscript(), optionNames;
    for (const std::string& option : after(transcript, "option "))
        optionNames.push_back(option.substr(0, option.find('=')));
    EXPECT_EQ(optionNames, (std::vector<std::string>{"-Dtessel.semaphoreName", "-Dtessel.isOrvane",
                                                     "-Dtessel.moduleName", "-Dsun.java.command", "-Dtessel.tempDir",
                                                     "-Dtessel.unextractedPosition", "-Djava.library.path",
                                                     "-Xmx256m", "-Xmx1g", "-Djava.class.path"}));
    EXPECT_TRUE(contains(transcript, "option -Dtessel.moduleName=" + utf8(exe)));

    // The quiet switch stays among the application's arguments.
    std::vector<std::string> arguments = {"false", "com.example.Main", "", "", "true", utf8(exe), "-q_ovn_internal",
                                          "a", "b c"};
    for (size_t i = 0; i < arguments.size(); ++i) arguments[i] = std::to_string(i) + " \"" + arguments[i] + "\"";
    EXPECT_EQ(after(transcript, "SetObjectArrayElement "), arguments);
    ASSERT_GE(transcript.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(transcript.end() - 3, transcript.end()),
              (std::vector<std::string>{"CallStaticVoidMethod com/orvane/runtime/launcher/WinLauncher main "
                                        "java/lang/String[9]",
                                        "ExceptionOccurred", "DestroyJavaVM"}));
}

TEST(Launch, FailuresOfTheVmOrTheApplicationEndTheLauncher) {
    const std::tuple<const char*, DWORD, const char*> cases[] = {  // fakejvm.cfg, exit code, standard error
        {"create=fail", 1, "The Java VM failed to start.\r\n"},
        {"missingClass=com/tessel/runtime/WinLauncher", 1, "No launcher class.\r\n"},
        {"missingMethod=main", 1, "No main method.\r\n"},
        {"mainThrows=java.lang.IllegalStateException: boom", 1,
         "Exception in thread \"main\" java.lang.IllegalStateException: boom\r\nThe Java VM failed to start.\r\n"},
        {"mainExits=7", 7, ""},  // System.exit(7) in the application
    };
    LauncherSandbox sandbox;
    std::wstring exe = sandbox.makeLauncher(launchConfiguration());
    for (const auto& [vm, exitCode, standardError] : cases) {
        TestRuntime runtime(sandbox.path(L"jre"));
        runtime.configureVm(vm);
        LauncherRun run = sandbox.run(exe, {L"-q_ovn_internal"});
        EXPECT_EQ(run.exitCode, exitCode) << vm;
        EXPECT_EQ(run.standardError, standardError) << vm;
        EXPECT_FALSE(contains(runtime.jvmTranscript(), "DestroyJavaVM")) << vm;
    }
}

TEST(Launch, HelperLibraryLogsThroughTheCRuntimesWidePrintf) {
    LauncherSandbox sandbox;
    SetEnvironmentVariableW(L"TMP", sandbox.tempDirectory().c_str());
    SetEnvironmentVariableW(L"TEMP", sandbox.tempDirectory().c_str());
    SetEnvironmentVariableW(L"TESSEL_LOG", L"yes");
    installPlatform(win32Platform());
    // In the wide functions of the Windows C runtime "%s" is a wide text and "%S" an 8-bit one.
    helperLogError(L"%s failed: %d, %S", L"registering", 5, "native");
    std::wstring longText(3000, L'w');
    helperLogError(L"%s", longText.c_str());
    std::string log = readFile(reinterpret_cast<const wchar_t*>(logFileName().c_str()));
    EXPECT_NE(log.find("] ERROR: registering failed: 5, native\r\n"), std::string::npos);
    EXPECT_NE(log.find("] ERROR: " + utf8(longText) + "\r\n"), std::string::npos);
}

TEST(VmOptions, OptionsFilesAndClassPathFromTheSystem) {
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    LauncherSandbox sandbox;
    std::string directory = utf8(sandbox.directory());
    // An ANSI byte reaches the VM unchanged; text mode ends lines at CR LF and the file at Ctrl-Z.
    sandbox.writeFile(L"a.vmoptions", "-Dcity=M\xFCnchen  \r\n-include-options sub\\b.vmoptions\r\n"
                                      "-include-options A.VMOPTIONS\r\n");
    sandbox.writeFile(L"sub\\b.vmoptions", "-Db=1\r\n\x1A-Dafter=end\r\n");
    sandbox.writeFile(L"lib\\x.jar", "");
    sandbox.writeFile(L"lib\\note.txt", "");
    SetEnvironmentVariableA("TESSEL_TEST_CP", "\"C:\\q\"");
    configStore().set(settingVmOptions, "-include-options " + directory + "\\a.vmoptions");
    configStore().set(settingClassPath, "S1" + directory + "\\lib;E0TESSEL_TEST_CP;E0TESSEL_TEST_UNSET");
    std::vector<std::string> expected = {"-Dp=1", "-Dcity=M\xFCnchen", "-Db=1",
                                         "-Djava.class.path=" + directory + "\\lib\\x.jar;C:\\q"};
    EXPECT_EQ(assembleVmOptions({u"test.exe"}, {"-Dp=1"}), expected);
    configStore().clear();
}

}  // namespace
