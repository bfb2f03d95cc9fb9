// The start-up sequence of the real launcher: exit codes and fatal texts.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// A block with every setting the start-up needs; its runtime is the one
// giveRuntime puts beside the launcher.
LauncherConfiguration completeConfiguration() {
    LauncherConfiguration config;
    config.set(107, "1").set(122, "com.example.Main").set(128, "B.\\jre;").set(2001, "t");
    config.message(1000, u"Example").message(1009, u"An internal error occurred (error code {0}).");
    return config;
}

TestRuntime giveRuntime(const LauncherSandbox& sandbox) { return TestRuntime(sandbox.directory() + L"\\jre"); }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Startup, LauncherWithoutBlockFailsWithMagic) {
    LauncherSandbox sandbox(testName());
    std::wstring exe = sandbox.writeFile(L"bare.exe", readWholeFile(LauncherSandbox::launcherExe()));
    LauncherRun run = sandbox.run(exe, withArguments(L"-q_ovn_internal"));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "Internal Error: magic\r\n");
}

TEST(Startup, BlockCutShortEndsWithTheFatalTextOfItsReader) {
    LauncherSandbox sandbox(testName());
    giveRuntime(sandbox);
    std::string file = makeLauncherFile(readWholeFile(LauncherSandbox::launcherExe()), completeConfiguration());
    size_t blockStart = *configurationBlockOffset(file);
    struct {
        size_t length;
        const char* text;
    } cuts[] = {{0, "Internal Error: readInt"},
                {14, "Internal Error: readLong"},
                {32, "Internal Error: readString"},  // the value of setting 107 is missing
                {file.size() - blockStart, nullptr}};
    // The last cut is the whole block: it loads, and the application runs.
    for (const auto& cut : cuts) {
        std::wstring exe = sandbox.writeFile(L"cut.exe", file.substr(0, blockStart + cut.length));
        LauncherRun run = sandbox.run(exe, withArguments(L"-q_ovn_internal"));
        EXPECT_EQ(run.exitCode, cut.text ? 1u : 0u) << cut.length;
        EXPECT_EQ(run.standardError, cut.text ? std::string(cut.text) + "\r\n" : "") << cut.length;
    }
}

TEST(Startup, DamagedCountsNeverAllocateOrCrash) {
    LauncherSandbox sandbox(testName());
    std::string file = makeLauncherFile(readWholeFile(LauncherSandbox::launcherExe()), completeConfiguration());
    size_t at = *configurationBlockOffset(file) + 28;  // byte count of the first setting's value
    for (const char* count : {"\xF0\xFF\xFF\x7F", "\xFF\xFF\xFF\xFF"}) {
        file.replace(at, 4, std::string(count, 4));
        LauncherRun run = sandbox.run(sandbox.writeFile(L"damaged.exe", file), withArguments(L"-q_ovn_internal"));
        EXPECT_EQ(run.exitCode, 1u);
        EXPECT_EQ(run.standardError, "Internal Error: readString\r\n");
    }
}

// On Windows 6.0 the DLL search order is left as it is; the hardened start
// must still take its system DLLs from the system directory, never from
// beside the launcher.
TEST(Startup, HardenedStartLoadsSystemDllsOnlyFromTheSystemDirectory) {
    LauncherSandbox sandbox(testName());
    giveRuntime(sandbox);
    const wchar_t* systemDlls[] = {L"davhlpr.dll", L"fwbase.dll"};
    for (const wchar_t* name : systemDlls)
        CopyFileW(fakeJavaProgram(L"planted.dll").c_str(), (sandbox.directory() + L"\\" + name).c_str(), FALSE);
    // Wine tells a program of this name that it runs on Windows 6.0.
    std::wstring appDefaults = L"Software\\Wine\\AppDefaults\\hardened60.exe";
    ASSERT_TRUE(setRegistryString(HKEY_CURRENT_USER, appDefaults, L"Version", L"vista"));
    LauncherConfiguration config = completeConfiguration();
    config.set(154, "1");
    LauncherRun run = sandbox.run(sandbox.makeLauncher(L"hardened60.exe", config));
    deleteRegistryTree(HKEY_CURRENT_USER, appDefaults);
    EXPECT_EQ(run.exitCode, 0u) << run.standardError;
    for (const wchar_t* name : systemDlls)
        EXPECT_FALSE(exists(sandbox.directory() + L"\\" + name + L".loaded")) << narrow(name);
}

}  // namespace
