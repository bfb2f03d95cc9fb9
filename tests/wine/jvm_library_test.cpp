// Loading jvm.dll of test runtimes into this process, through the launcher's
// own functions.
#include "jvmsearch/jvm_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "jvmsearch/selected_runtime.h"
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
    void* vm = reinterpret_cast<void*>(1);
    void* env = reinterpret_cast<void*>(1);
    EXPECT_EQ(createJavaVmEntry()(&vm, &env, nullptr), -1);
    EXPECT_EQ(vm, nullptr);
    EXPECT_EQ(runtime.jvmTranscript(L"bin\\server"), (std::vector<std::string>{"JNI_CreateJavaVM"}));
    EXPECT_TRUE(runtime.jvmTranscript(L"bin\\client").empty());
}

TEST_F(JvmLibrary, HotspotIsTriedFirst) {
    TestRuntimeSpec spec;
    spec.vms = {{"server"}, {"hotspot"}};
    TestRuntime runtime(sandbox.directory() + L"\\jre", spec);
    InProcessLog log;
    JvmModule module = loadJvmDll(narrow(runtime.javaExe()));
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(endsWith(moduleFile(module), "\\bin\\hotspot\\jvm.dll")) << moduleFile(module);
    std::string bin = narrow(runtime.binDirectory());
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Trying to load JVM-DLL from " + narrow(runtime.javaExe()),
                                                     "Setting PATH " + pathBefore_ + ";" + bin,
                                                     "Trying " + bin + "\\hotspot\\jvm.dll (exists 1)"}));
    EXPECT_EQ(systemPath(), pathBefore_ + ";" + bin);
    EXPECT_EQ(runtimePath(), pathBefore_ + ";" + bin);
}

TEST_F(JvmLibrary, JdkLoadsTheVmOfItsJreThroughTheSiblingPath) {
    TestRuntimeSpec spec;
    spec.jdk = true;
    spec.vms = {{"server"}};
    TestRuntime jdk(sandbox.directory() + L"\\jdk", spec);
    InProcessLog log;
    JvmModule module = loadJvmDll(narrow(jdk.javaExe()));
    ASSERT_NE(module, nullptr);
    std::string sibling = narrow(jdk.binDirectory()) + "\\..\\jre\\bin";
    EXPECT_TRUE(log.contains("Trying " + narrow(jdk.binDirectory()) + "\\client\\jvm.dll (exists 0)"));
    EXPECT_TRUE(log.contains("Trying " + sibling + "\\client\\jvm.dll (exists 0)"));
    EXPECT_TRUE(log.contains("Trying " + sibling + "\\server\\jvm.dll (exists 1)"));
    // The JDK's own bin was taken out of PATH again before the sibling went in.
    EXPECT_EQ(systemPath(), pathBefore_ + ";" + sibling);
    EXPECT_EQ(runtimePath(), pathBefore_ + ";" + sibling);
}

TEST_F(JvmLibrary, FailedCandidateLeavesALongPathAsItWas) {
    std::string longPath = pathBefore_ + ";" + std::string(20000, 'x');
    setPath(longPath);
    TestRuntimeSpec spec;
    spec.vms = {{"client", FakeJvm::bits64}};
    TestRuntime wrong(sandbox.directory() + L"\\jre64", spec);
    InProcessLog log;
    EXPECT_EQ(loadJvmDll(narrow(wrong.javaExe())), nullptr);
    EXPECT_EQ(systemPath(), longPath);
    EXPECT_EQ(runtimePath(), longPath);
    std::string tried = "Trying " + narrow(wrong.binDirectory()) + "\\client\\jvm.dll (exists 1)";
    std::vector<std::string> lines = log.lines();
    auto tryLine = std::find(lines.begin(), lines.end(), tried);
    ASSERT_NE(tryLine, lines.end());
    ASSERT_NE(tryLine + 1, lines.end());
    EXPECT_EQ(tryLine[1].rfind("Failed with error code ", 0), 0u) << tryLine[1];
    EXPECT_NE(tryLine[1], "Failed with error code 0");

    // A good runtime after it extends the whole value.
    TestRuntime good(sandbox.directory() + L"\\jre", TestRuntimeSpec{});
    ASSERT_NE(loadJvmDll(narrow(good.javaExe())), nullptr);
    EXPECT_EQ(systemPath(), longPath + ";" + narrow(good.binDirectory()));
    EXPECT_EQ(runtimePath(), longPath + ";" + narrow(good.binDirectory()));
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
    spec.vms = {{"client", FakeJvm::bits64}};
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

TEST_F(JvmLibrary, DamagedRuntimeLoadsButHasNoEntryPoint) {
    TestRuntimeSpec spec;
    spec.vms = {{"client", FakeJvm::withoutExport}};
    TestRuntime damaged(sandbox.directory() + L"\\jre", spec);
    JvmModule module = loadJvmDll(narrow(damaged.javaExe()));
    ASSERT_NE(module, nullptr);
    EXPECT_FALSE(resolveCreateJavaVM(module));
    EXPECT_FALSE(resolveCreateJavaVM(nullptr));
}

TEST_F(JvmLibrary, RecordedHomeIsTheBinDirectoryWithDotDot) {
    recordJvm("c:\\program files\\java\\jre1.8.0_191\\bin\\javaw.exe", "1.8.0_191");
    EXPECT_EQ(jvmHome(), "c:\\program files\\java\\jre1.8.0_191\\bin\\..");
    EXPECT_EQ(jvmVersion(), "1.8.0_191");
}

}  // namespace
