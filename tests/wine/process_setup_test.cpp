// Native-library PATH, DLL search directories and the working directory,
// seen through the real launcher's log, and the PATH changes of the runtime
// loading in this process.
#include <gtest/gtest.h>

#include <cstdlib>

#include "environment/process_setup.h"
#include "jvmsearch/jvm_library.h"
#include "launcher/config_store.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

TEST(ProcessSetup, NativeDirectoriesAndTheWorkingDirectoryAreExpandedAndHardenedStartAddsThem) {
    LauncherSandbox sandbox;
    auto directory = [&](const wchar_t* name) {
        CreateDirectoryW(sandbox.path(name).c_str(), nullptr);
        return utf8(sandbox.path(name));
    };
    std::string lib = directory(L"lib"), absolute = directory(L"abs"), some = directory(L"some");
    std::string work = directory(L"work");
    LauncherConfiguration config = appConfiguration();
    config.set(10004, "lib;" + absolute + ";;${Some_Var}").set(146, "${WORK_NAME}").set(154, "1");
    RunOptions options = isolatedRun();
    options.environment[L"Some_Var"] = utf16(some);
    options.environment[L"WORK_NAME"] = L"work";
    sandbox.run(sandbox.makeLauncher(config), options);
    std::vector<std::string> log = sandbox.takeLog();
    EXPECT_EQ(linesWith(log, "Setting PATH (native libs) "),
              std::vector<std::string>{"Setting PATH (native libs) " + lib + ";" + absolute + ";" + some +
                                       ";C:\\windows\\system32;C:\\windows"});
    EXPECT_EQ(linesWith(log, "change working directory to "),
              std::vector<std::string>{"change working directory to " + work});
    EXPECT_EQ(linesWith(log, "restrict DLL directories"), std::vector<std::string>{"restrict DLL directories"});
    EXPECT_EQ(linesWith(log, "Adding DLL directory "),
              (std::vector<std::string>{"Adding DLL directory " + lib, "Adding DLL directory " + absolute,
                                        "Adding DLL directory " + some}));
}

void setPath(const wchar_t* value) {
    SetEnvironmentVariableW(L"PATH", value);
    _wputenv((std::wstring(L"PATH=") + (value ? value : L"")).c_str());
}

// PATH as the system holds it ("(unset)" when absent), once the C runtime's copy is seen to agree.
std::wstring currentPath() {
    std::wstring value(32767, L'\0');  // the most an environment variable holds
    SetLastError(0);
    value.resize(GetEnvironmentVariableW(L"PATH", value.data(), 32767));
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) value = L"(unset)";
    EXPECT_EQ(_wgetenv(L"PATH") ? _wgetenv(L"PATH") : L"(unset)", value);
    return value;
}

// A failed candidate leaves PATH exactly as it was, even unset or beyond any
// buffer; characters outside the ANSI code page survive every extension.
TEST(ProcessSetup, PathChangesKeepTheRestOfThePathInTheSystemAndTheRuntimeCopy) {
    LauncherSandbox sandbox;
    std::wstring saved = currentPath();
    configStore().clear();
    TestRuntime wrong(sandbox.path(L"wrong"), "1.8.0_191", FakeJvm::otherArchitecture), good(sandbox.path(L"good"));

    setPath(nullptr);
    EXPECT_EQ(loadJvmDll(utf8(wrong.javaExe())), nullptr);
    EXPECT_EQ(currentPath(), L"(unset)");

    std::wstring value = L"C:\\\x0100x;" + std::wstring(20000, L'x');
    setPath(value.c_str());
    EXPECT_EQ(loadJvmDll(utf8(wrong.javaExe())), nullptr);
    EXPECT_EQ(currentPath(), value);
    ASSERT_NE(loadJvmDll(utf8(good.javaExe())), nullptr);
    EXPECT_EQ(currentPath(), value + L";" + good.binDirectory());

    configStore().set(10004, "C:\\native");
    prependNativeLibraryPath();
    EXPECT_EQ(currentPath(), L"C:\\native;" + value + L";" + good.binDirectory());
    configStore().clear();
    setPath(saved == L"(unset)" ? nullptr : saved.c_str());
}

}  // namespace
