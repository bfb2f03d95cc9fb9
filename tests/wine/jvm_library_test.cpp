// Loading jvm.dll of test runtimes into this process, through the launcher's
// own functions.
#include "jvmsearch/jvm_library.h"

#include <gtest/gtest.h>
#include <jni.h>

#include <cstdlib>

#include "launcher/config_store.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::string systemPath() {
    DWORD n = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::string value(n, '\0');
    n = GetEnvironmentVariableA("PATH", value.data(), n);
    value.resize(n);
    return value;
}

std::string runtimePath() {
    const char* value = std::getenv("PATH");
    return value ? value : "";
}

void setPath(const std::string& value) {
    _putenv(("PATH=" + value).c_str());
    SetEnvironmentVariableA("PATH", value.c_str());
}

std::string moduleFile(JvmModule module) {
    char name[MAX_PATH + 1] = {};
    GetModuleFileNameA(static_cast<HMODULE>(module), name, MAX_PATH);
    return name;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class JvmLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static LauncherSandbox logSandbox("JvmLibraryLog");
        InProcessLog::enable(logSandbox.tempDirectory());
    }
    void SetUp() override {
        configStore().clear();
        pathBefore_ = systemPath();
    }
    void TearDown() override { setPath(pathBefore_); }

    LauncherSandbox sandbox{testName()};
    std::string pathBefore_;
};

TEST_F(JvmLibrary, ClientComesBeforeServerUnlessSettingPicksOne) {
    TestRuntimeSpec spec;
    spec.vms = {{"server"}, {"client"}};
    TestRuntime runtime(sandbox.directory() + L"\\jre", spec);
    std::string java = narrow(runtime.javaExe());

    JvmModule client = loadJvmDll(java);
    ASSERT_NE(client, nullptr);
    EXPECT_TRUE(endsWith(moduleFile(client), "\\bin\\client\\jvm.dll")) << moduleFile(client);

    configStore().set(152, "server");
    JvmModule server = loadJvmDll(java);
    ASSERT_NE(server, nullptr);
    EXPECT_TRUE(endsWith(moduleFile(server), "\\bin\\server\\jvm.dll")) << moduleFile(server);

    // The stored entry point is the stdcall export of the library it came from.
    ASSERT_TRUE(resolveCreateJavaVM(server));
    FakeVmBehaviour failing;
    failing.creationFails = true;
    runtime.setVmBehaviour(failing);
    JavaVMInitArgs args{JNI_VERSION_1_2, 0, nullptr, JNI_TRUE};
    void* vm = reinterpret_cast<void*>(1);
    void* env = reinterpret_cast<void*>(1);
    EXPECT_EQ(createJavaVmEntry()(&vm, &env, &args), JNI_ERR);
    EXPECT_EQ(vm, nullptr);
    EXPECT_EQ(runtime.jvmTranscript(L"bin\\server"),
              (std::vector<std::string>{"JNI_CreateJavaVM version=0x00010002 options=0 ignoreUnrecognized=true"}));
    EXPECT_TRUE(runtime.jvmTranscript(L"bin\\client").empty());
}

TEST_F(JvmLibrary, FailedCandidateLeavesALongPathAsItWas) {
    std::string longPath = pathBefore_ + ";" + std::string(20000, 'x');
    setPath(longPath);
    TestRuntimeSpec spec;
    spec.vms = {{"client", FakeJvm::otherArchitecture}};
    TestRuntime wrong(sandbox.directory() + L"\\jre64", spec);
    EXPECT_EQ(loadJvmDll(narrow(wrong.javaExe())), nullptr);
    EXPECT_EQ(systemPath(), longPath);
    EXPECT_EQ(runtimePath(), longPath);

    // A good runtime after it extends the whole value.
    TestRuntime good(sandbox.directory() + L"\\jre", TestRuntimeSpec{});
    ASSERT_NE(loadJvmDll(narrow(good.javaExe())), nullptr);
    EXPECT_EQ(systemPath(), longPath + ";" + narrow(good.binDirectory()));
    EXPECT_EQ(runtimePath(), longPath + ";" + narrow(good.binDirectory()));
}

TEST_F(JvmLibrary, PathEntriesOutsideTheAnsiCodePageSurviveTheExtension) {
    // U+0100 has no form in the ANSI code page: an 8-bit rewrite would make it "?".
    std::wstring entry = L"C:\\\x0100x";
    SetEnvironmentVariableW(L"PATH", entry.c_str());
    TestRuntime good(sandbox.directory() + L"\\jre", TestRuntimeSpec{});
    ASSERT_NE(loadJvmDll(narrow(good.javaExe())), nullptr);
    wchar_t path[512] = {};
    GetEnvironmentVariableW(L"PATH", path, 512);
    EXPECT_EQ(std::wstring(path), entry + L";" + good.binDirectory());
}

TEST_F(JvmLibrary, FailedCandidateLeavesAnUnsetPathUnset) {
    _putenv("PATH=");
    SetEnvironmentVariableA("PATH", nullptr);
    TestRuntimeSpec spec;
    spec.vms = {};
    TestRuntime empty(sandbox.directory() + L"\\jre", spec);
    EXPECT_EQ(loadJvmDll(narrow(empty.javaExe())), nullptr);
    SetLastError(0);
    EXPECT_EQ(GetEnvironmentVariableA("PATH", nullptr, 0), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
    EXPECT_EQ(std::getenv("PATH"), nullptr);
}

TEST_F(JvmLibrary, HardenedStartKeepsTheDllDirectoryOnlyOfTheRuntimeThatLoaded) {
    configStore().set(154, "1");
    TestRuntimeSpec spec;
    spec.vms = {{"client", FakeJvm::otherArchitecture}};
    TestRuntime wrong(sandbox.directory() + L"\\jre64", spec);
    // An empty jre\bin: the system registers only directories that exist.
    CreateDirectoryW((wrong.home() + L"\\jre").c_str(), nullptr);
    CreateDirectoryW((wrong.home() + L"\\jre\\bin").c_str(), nullptr);
    TestRuntime good(sandbox.directory() + L"\\jre", TestRuntimeSpec{});
    InProcessLog log;
    EXPECT_EQ(loadJvmDll(narrow(wrong.javaExe())), nullptr);
    ASSERT_NE(loadJvmDll(narrow(good.javaExe())), nullptr);
    std::vector<std::string> directoryLines;
    for (const std::string& line : log.lines())
        if (line.find("DLL directory") != std::string::npos) directoryLines.push_back(line);
    std::string wrongBin = narrow(wrong.binDirectory());
    EXPECT_EQ(directoryLines, (std::vector<std::string>{"Adding DLL directory " + wrongBin, "Removing DLL directory",
                                                        "Adding DLL directory " + wrongBin + "\\..\\jre\\bin",
                                                        "Removing DLL directory",
                                                        "Adding DLL directory " + narrow(good.binDirectory())}));
}

}  // namespace
