// Native-library PATH, DLL search directories and variable expansion, seen
// through the real launcher's log and through direct calls.
#include <gtest/gtest.h>

#include <cstdlib>

#include "environment/process_setup.h"
#include "launcher/config_store.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

const wchar_t* const oldPath = L"C:\\windows\\system32;C:\\windows";

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

LauncherConfiguration configurationWith(int id, const std::string& value) {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main").set(id, value);
    return config;
}

// Runs the launcher with the log on and returns the log's messages without
// their time stamps.
std::vector<std::string> runAndReadLog(LauncherSandbox& sandbox, const LauncherConfiguration& config,
                                       std::map<std::wstring, std::wstring> environment = {}) {
    std::wstring exe = sandbox.makeLauncher(L"app.exe", config);
    environment[L"TESSEL_LOG"] = L"yes";
    if (!environment.count(L"PATH")) environment[L"PATH"] = oldPath;
    std::wstring logFile = sandbox.tempDirectory() + L"\\ovn_nlog_1.log";
    DeleteFileW(logFile.c_str());
    RunOptions options;
    options.arguments = L"-q_ovn_internal";
    options.environment = environment;
    sandbox.run(exe, options);
    std::vector<std::string> messages;
    for (const std::string& line : splitLines(readWholeFile(logFile))) {
        size_t stamp = line.find("] ");
        if (!line.empty() && line[0] == '[' && stamp != std::string::npos) messages.push_back(line.substr(stamp + 2));
    }
    return messages;
}

std::vector<std::string> withPrefix(const std::vector<std::string>& messages, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& message : messages)
        if (message.rfind(prefix, 0) == 0) found.push_back(message);
    return found;
}

std::string makeDirectory(const LauncherSandbox& sandbox, const std::wstring& name) {
    std::wstring path = sandbox.directory() + L"\\" + name;
    CreateDirectoryW(path.c_str(), nullptr);
    return narrow(path);
}

TEST(ProcessSetup, NativeDirectoriesAreExpandedAndGoInFrontOfPathInTheirOrder) {
    LauncherSandbox sandbox(testName());
    std::string lib = makeDirectory(sandbox, L"lib");
    std::string absolute = makeDirectory(sandbox, L"abs");
    std::string some = makeDirectory(sandbox, L"some");
    std::vector<std::string> log = runAndReadLog(sandbox, configurationWith(10004, "lib;" + absolute + ";;${Some_Var}"),
                                                 {{L"Some_Var", widen(some)}});
    EXPECT_EQ(withPrefix(log, "Setting PATH (native libs) "),
              std::vector<std::string>{"Setting PATH (native libs) " + lib + ";" + absolute + ";" + some + ";" +
                                       narrow(oldPath)});
}

TEST(ProcessSetup, WorkingDirectoryIsExpandedBeforeTheChange) {
    LauncherSandbox sandbox(testName());
    std::string work = makeDirectory(sandbox, L"work");
    std::vector<std::string> log =
        runAndReadLog(sandbox, configurationWith(146, "${WORK_NAME}"), {{L"WORK_NAME", L"work"}});
    EXPECT_EQ(withPrefix(log, "change working directory to "),
              std::vector<std::string>{"change working directory to " + work});
}

TEST(ProcessSetup, HardenedStartRestrictsAndAddsTheNativeDirectories) {
    LauncherSandbox sandbox(testName());
    std::string lib = makeDirectory(sandbox, L"lib");
    std::string other = makeDirectory(sandbox, L"other");
    LauncherConfiguration config = configurationWith(10004, "lib;" + other);
    config.set(154, "1");
    std::vector<std::string> log = runAndReadLog(sandbox, config);
    EXPECT_EQ(withPrefix(log, "restrict DLL directories"), std::vector<std::string>{"restrict DLL directories"});
    std::vector<std::string> added = withPrefix(log, "Adding DLL directory ");
    ASSERT_GE(added.size(), 2u);
    EXPECT_EQ(added[0], "Adding DLL directory " + lib);
    EXPECT_EQ(added[1], "Adding DLL directory " + other);
}

// Direct calls in this process; each restores what it changes.

TEST(ProcessSetup, PathKeepsCharactersOutsideTheAnsiCodePageAndBothViewsAgree) {
    std::wstring saved(32767, L'\0');
    saved.resize(GetEnvironmentVariableW(L"PATH", saved.data(), 32767));
    std::wstring unrepresentable = L"C:\\\x0416\x4E2D;C:\\windows";
    SetEnvironmentVariableW(L"PATH", unrepresentable.c_str());
    configStore().clear();
    configStore().set(10004, "C:\\native");
    prependNativeLibraryPath();

    std::wstring expected = L"C:\\native;" + unrepresentable;
    std::wstring path(32767, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), 32767));
    EXPECT_EQ(path, expected);
    const wchar_t* runtimeCopy = _wgetenv(L"PATH");
    ASSERT_NE(runtimeCopy, nullptr);
    EXPECT_EQ(std::wstring(runtimeCopy), expected);

    configStore().clear();
    SetEnvironmentVariableW(L"PATH", saved.c_str());
    _wputenv((L"PATH=" + saved).c_str());
}

}  // namespace
