// Unpacking the packed archives of a test runtime with its unpack200.exe,
// through the launcher's own function.
#include "environment/unpack_runtime.h"

#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

class Unpack : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static LauncherSandbox logSandbox("UnpackLog");
        InProcessLog::enable(logSandbox.tempDirectory());
    }

    TestRuntime packedRuntime() {
        TestRuntimeSpec spec;
        spec.unpack200 = true;
        TestRuntime runtime(sandbox.directory() + L"\\jre", spec);
        CreateDirectoryW((runtime.home() + L"\\lib\\ext").c_str(), nullptr);
        writeFile(runtime.home() + L"\\lib\\charsets.jar.pack", "charsets");
        writeFile(runtime.home() + L"\\lib\\ext\\nashorn.jar.pack", "nashorn");
        return runtime;
    }

    LauncherSandbox sandbox{testName()};
};

TEST_F(Unpack, LauncherRemovesWhatTheToolKeptAndLeavesPresentArchivesAlone) {
    TestRuntime runtime = packedRuntime();
    writeFile(runtime.binDirectory() + L"\\unpack200.cfg", "keep");
    writeFile(runtime.home() + L"\\lib\\ext\\nashorn.jar", "original");
    unpackJre(narrow(runtime.home()));
    EXPECT_EQ(runtime.unpackCommandLines().size(), 1u);
    EXPECT_TRUE(exists(runtime.home() + L"\\lib\\charsets.jar"));
    EXPECT_FALSE(exists(runtime.home() + L"\\lib\\charsets.jar.pack"));
    EXPECT_EQ(readWholeFile(runtime.home() + L"\\lib\\ext\\nashorn.jar"), "original");
    EXPECT_TRUE(exists(runtime.home() + L"\\lib\\ext\\nashorn.jar.pack"));
}

// Through the real launcher: the search unpacks the runtime beside it.
LauncherConfiguration besideTheLauncher() {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main").set(128, "B.\\jre;").set(2001, "t");
    config.message(1000, u"Example").message(1009, u"An internal error occurred (error code {0}).");
    return config;
}

RunOptions quietRun() {
    RunOptions options = withArguments(L"-q_ovn_internal");
    for (const wchar_t* name : {L"JAVA_HOME", L"JDK_HOME", L"TESSEL_JAVA_HOME", L"ORVANE_JAVA_HOME"})
        options.environment[name] = L"";
    return options;
}

TEST_F(Unpack, LauncherAnnouncesTheUnpackingOnceOnItsOutput) {
    TestRuntime runtime = packedRuntime();
    LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", besideTheLauncher()), quietRun());
    EXPECT_EQ(run.standardOutput, "Preparing JRE ...\r\n");
    std::string home = narrow(runtime.home());  // the search hands on the canonical, lower-case form
    for (char& c : home) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    // The tool's own quoted path comes first, as every program expects.
    std::string tool = "\"" + home + "\\bin\\unpack200.exe\" -r \"" + home;
    EXPECT_EQ(runtime.unpackCommandLines(),
              (std::vector<std::string>{tool + "\\lib\\charsets.jar.pack\" \"" + home + "\\lib\\charsets.jar\"",
                                        tool + "\\lib\\ext\\nashorn.jar.pack\" \"" + home + "\\lib\\ext\\nashorn.jar\""}));
    EXPECT_EQ(readWholeFile(runtime.home() + L"\\lib\\ext\\nashorn.jar"), "unpacked\r\nnashorn");
    EXPECT_FALSE(exists(runtime.home() + L"\\lib\\ext\\nashorn.jar.pack"));
    EXPECT_EQ(run.exitCode, 0u) << run.standardError;

    run = sandbox.run(sandbox.makeLauncher(L"app.exe", besideTheLauncher()), quietRun());
    EXPECT_EQ(run.standardOutput, "");
    EXPECT_EQ(runtime.unpackCommandLines().size(), 2u);
}

TEST_F(Unpack, MissingToolEndsTheLauncherWithInternalError20) {
    TestRuntime runtime = packedRuntime();
    DeleteFileW((runtime.binDirectory() + L"\\unpack200.exe").c_str());
    LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", besideTheLauncher()), quietRun());
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "An internal error occurred (error code 20).\r\n");
    EXPECT_TRUE(exists(runtime.home() + L"\\lib\\charsets.jar.pack"));
}

}  // namespace
