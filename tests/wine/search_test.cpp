// The Java runtime search of the real launcher: its sources in order, the
// version cache of the probe, and the registry sources. The suites share the
// registry keys of the search (a RESOURCE_LOCK in CMakeLists.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "jvmsearch/java_probe.h"
#include "launcher/win32/registry.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

// The prefix is a 64-bit one: the 32-bit tests and launchers see the WOW64
// views of a 64-bit Windows. This is the view that the test process, like
// the launcher, does not read by default.
constexpr REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
const std::string bits = sizeof(void*) == 8 ? "64" : "32";

RegistryKey software(HKEY hive, REGSAM view) { return openRegistryKey(hive, "SOFTWARE", KEY_ALL_ACCESS | view); }

// A REG_SZ value below the hive's SOFTWARE key in the view; the keys are created.
void setString(HKEY hive, const std::wstring& key, const wchar_t* name, const std::wstring& value, REGSAM view = 0) {
    ASSERT_EQ(RegSetKeyValueW(software(hive, view).get(), key.c_str(), name, REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

void registerJavaHome(const std::wstring& product, const std::wstring& version, const std::wstring& home,
                      REGSAM view = 0) {
    setString(HKEY_LOCAL_MACHINE, L"JavaSoft\\" + product + L"\\" + version, L"JavaHome", home, view);
    setString(HKEY_LOCAL_MACHINE, L"JavaSoft\\" + product, L"CurrentVersion", version, view);
}

void locate(HKEY hive, const TestRuntime& runtime) {
    std::wstring name = runtime.javaExe();
    std::replace(name.begin(), name.end(), L'\\', L'/');
    setString(hive, L"valdrin-works\\tessel\\locatedjvms\\" + name, nullptr, L"");
}

// The version the probe cached for the runtime's java.exe; "" when none.
std::string cachedVersion(const TestRuntime& runtime) {
    std::string key = versionCacheKey(lowerAscii(utf8(runtime.javaExe())));
    return queryRegistryString(openRegistryKey(HKEY_CURRENT_USER, key.c_str()).get(), "Version").value_or("");
}

LauncherConfiguration searchConfig(const std::string& sequence, const char* executableType = "1") {
    LauncherConfiguration config = appConfiguration(executableType);
    config.set(126, "1.8").set(128, sequence);
    config.message(1016, u"No {0}-bit Java.").message(1017, u"{0}: no 32-bit Java.");
    config.message(1018, u"{0}: no 64-bit Java.").message(1019, u"{0}: damaged 32-bit Java.");
    return config.message(1020, u"{0}: damaged 64-bit Java.");
}

// Every test starts and leaves the search's registry keys, in both views, clean.
class SearchBase : public ::testing::Test {
protected:
    SearchBase() { cleanRegistry(); }
    ~SearchBase() override { cleanRegistry(); }

    static void cleanRegistry() {
        for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                RegDeleteTreeW(software(hive, view).get(), L"JavaSoft");
                RegDeleteTreeW(software(hive, view).get(), L"valdrin-works");
            }
    }

    LauncherRun run(const LauncherConfiguration& config, const std::map<std::wstring, std::wstring>& variables = {}) {
        RunOptions options = isolatedRun();
        for (const auto& [name, value] : variables) options.environment[name] = value;
        LauncherRun result = sandbox.run(sandbox.makeLauncher(config), options);
        log_ = sandbox.takeLog();
        return result;
    }
    bool logged(const std::string& line) const { return contains(log_, line); }
    std::string dir() const { return lowerAscii(utf8(sandbox.directory())); }
    std::string exe(const TestRuntime& runtime) const { return lowerAscii(utf8(runtime.javaExe())); }

    LauncherSandbox sandbox;
    std::vector<std::string> log_;
};

using Search = SearchBase;
using Probe = SearchBase;
using Registry = SearchBase;

TEST_F(Search, RuntimeBesideTheLauncherLoadsItsVmVariantsInOrder) {
    TestRuntime runtime(sandbox.path(L"jre"), "1.8.0_191", FakeJvm::working, {L"client", L"server"});
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {"hotspot\\jvm.dll (exists 0)", "client\\jvm.dll (exists 1)"}},
        {"server", {"server\\jvm.dll (exists 1)"}},
    };
    for (const auto& [preferred, tried] : cases) {
        EXPECT_EQ(run(searchConfig("B.\\jre;Y;EJAVA_HOME;EJDK_HOME;").set(152, preferred)).exitCode, 0u);
        std::vector<std::string> expected;
        for (const std::string& dll : tried) expected.push_back("Trying " + dir() + "\\jre\\bin\\" + dll);
        EXPECT_EQ(linesWith(log_, "Trying " + dir()), expected) << preferred;
        EXPECT_EQ(linesWith(log_, "Testing location").size(), 1u);  // later entries are never tested
    }
}

TEST_F(Search, NothingLoadableExits83WithTheMessageOfTheLastAcceptedSource) {
    TestRuntime other(sandbox.path(L"other"), "1.8.0_191", FakeJvm::otherArchitecture);
    std::wstring slashed = other.home();
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');  // taken as backslashes
    const std::tuple<std::wstring, bool, std::string> cases[] = {  // JAVA_HOME, a damaged runtime beside, message
        {L"", false, "No " + bits + "-bit Java."},
        {slashed, false, "JAVA_HOME: no " + bits + "-bit Java."},
        {L"", true, ".\\jre: damaged " + bits + "-bit Java."}};
    for (const auto& [javaHome, damaged, message] : cases) {
        if (damaged) TestRuntime(sandbox.path(L"jre"), "1.8.0_191", FakeJvm::withoutExport);
        LauncherRun result =
            run(searchConfig("B.\\jre;Y;EJAVA_HOME;EJDK_HOME;"), {{L"JAVA_HOME", javaHome}, {L"TESSEL_LOG", L""}});
        EXPECT_EQ(result.exitCode, 83u);
        EXPECT_EQ(result.standardError, message + "\r\n");
    }
}

// With the hardened start the DLL directories of a failed candidate go as
// well; that PATH goes back is the ProcessSetup suite's.
TEST_F(Search, FailedCandidateRemovesItsDllDirectoriesBeforeTheNext) {
    TestRuntime bad(sandbox.path(L"bad"), "1.8.0_191", FakeJvm::otherArchitecture), good(sandbox.path(L"good"));
    CreateDirectoryW(sandbox.path(L"bad\\jre").c_str(), nullptr);
    CreateDirectoryW(sandbox.path(L"bad\\jre\\bin").c_str(), nullptr);  // only existing directories are added
    LauncherConfiguration config = searchConfig("EJAVA_HOME;EJDK_HOME");
    EXPECT_EQ(run(config.set(154, "1"), {{L"JAVA_HOME", bad.home()}, {L"JDK_HOME", good.home()}}).exitCode, 0u);
    std::string badBin = dir() + "\\bad\\bin", sibling = badBin + "\\..\\jre\\bin", goodBin = dir() + "\\good\\bin";
    EXPECT_EQ(linesWith(log_, "DLL directory"),
              (std::vector<std::string>{"Adding DLL directory " + badBin, "Removing DLL directory",
                                        "Adding DLL directory " + sibling, "Removing DLL directory",
                                        "Adding DLL directory " + goodBin}));
}

TEST_F(Search, PreferredLocationFileAndTheSystemSearchPath) {
    TestRuntime preferred(sandbox.path(L"preferred"));
    std::wstring file = sandbox.writeFile(L"inst\\.orvane\\pref_jre.cfg", utf8(preferred.home()) + "\r\nignored\r\n");
    LauncherConfiguration config = searchConfig("S").set(10003, "inst");
    EXPECT_EQ(run(config).exitCode, 0u);
    EXPECT_TRUE(logged("Has preferred location " + utf8(preferred.home())));
    EXPECT_TRUE(logged("Using preferred location"));
    EXPECT_FALSE(logged("Testing location  (type S)"));

    DeleteFileW(file.c_str());
    EXPECT_EQ(run(config, {{L"PATH", preferred.binDirectory() + L";C:\\windows"}}).exitCode, 0u);
    EXPECT_TRUE(logged("Testing location  (type S)"));
}

// A program named by the first words of the runtime's path never starts:
// the fake java.exe records its starts in starts.log beside itself.
TEST_F(Probe, VersionsAreCachedUntilTheRuntimeChangesAndFailedRunsRunAgain) {
    TestRuntime runtime(sandbox.path(L"Program Files\\jre"));
    ASSERT_TRUE(CopyFileW(fakeJavaProgram(L"java.exe").c_str(), sandbox.path(L"Program.exe").c_str(), FALSE));
    LauncherConfiguration config = searchConfig("EJAVA_HOME");  // no fallback pass for a variable
    for (const char* source : {"execution", "registry"}) {
        EXPECT_EQ(run(config, {{L"JAVA_HOME", runtime.home()}}).exitCode, 0u);
        EXPECT_TRUE(logged(std::string("got version from ") + source + " 1.8.0_191"));
    }
    EXPECT_EQ(runtime.javaStarts(), 1);
    EXPECT_FALSE(fileExists(sandbox.path(L"starts.log")));
    EXPECT_EQ(cachedVersion(runtime), "1.8.0_191");
    runtime.updateInPlace("1.8.0_201");
    EXPECT_EQ(run(config, {{L"JAVA_HOME", runtime.home()}}).exitCode, 0u);
    EXPECT_EQ(runtime.javaStarts(), 2);
    EXPECT_EQ(cachedVersion(runtime), "1.8.0_201");

    // A failed run caches "1.0.0" but runs again.
    TestRuntime broken(sandbox.path(L"broken"));
    broken.configureJava("exit=2");
    for (int i = 0; i < 2; ++i) EXPECT_EQ(run(config, {{L"JAVA_HOME", broken.home()}}).exitCode, 83u);
    EXPECT_EQ(broken.javaStarts(), 2);
    EXPECT_EQ(cachedVersion(broken), "1.0.0");
    EXPECT_TRUE(sandbox.tempEntries().empty());  // no output file is left behind
}

TEST_F(Probe, HungRunIsTerminatedPastTheTimeLimitAndNotCached) {
    TestRuntime runtime(sandbox.path(L"jre"));
    runtime.configureJava("hang=30");
    DWORD started = GetTickCount();
    EXPECT_EQ(runJavaVersionWithin(exe(runtime), 1, 1500), std::nullopt);
    EXPECT_GE(GetTickCount() - started, 1400u);
    EXPECT_LT(GetTickCount() - started, 15000u);
    EXPECT_EQ(cachedVersion(runtime), "");
}

// A newer runtime of the other architecture never outranks one that loads.
TEST_F(Registry, LocatedRuntimesWinTiesAndCanBeTheOnlyOnesThatCount) {
    TestRuntime standard(sandbox.path(L"standard")), located(sandbox.path(L"located"));
    TestRuntime older(sandbox.path(L"older"), "1.8.0_60");
    TestRuntime other(sandbox.path(L"other"), "1.8.0_201", FakeJvm::otherArchitecture);
    other.install(L"other\\java.exe", L"java.exe");
    registerJavaHome(L"JRE", L"1.8", standard.home());
    locate(HKEY_CURRENT_USER, older);
    locate(HKEY_LOCAL_MACHINE, located);
    locate(HKEY_LOCAL_MACHINE, other);
    EXPECT_EQ(run(searchConfig("Y", "0")).exitCode, 0u);
    EXPECT_TRUE(logged("found located " + exe(located) + " 1.8.0_191"));
    EXPECT_TRUE(logged("Trying " + lowerAscii(utf8(located.binDirectory())) + "\\client\\jvm.dll (exists 1)"));
    EXPECT_EQ(linesWith(log_, utf8(other.javaExe()) + " is built for machine ").size(), 1u);
    EXPECT_EQ(other.javaStarts(), 0);  // refused before it is probed

    // Setting 165: only runtimes below "ovn_jres" count; the others are not even probed.
    auto starts = [&] { return standard.javaStarts() + located.javaStarts() + older.javaStarts(); };
    int before = starts();
    EXPECT_EQ(run(searchConfig("Y", "0").set(165, "1")).exitCode, 83u);
    EXPECT_EQ(starts(), before);
    TestRuntime own(sandbox.path(L"ovn_jres\\own"));
    locate(HKEY_CURRENT_USER, own);
    EXPECT_EQ(run(searchConfig("Y", "0").set(165, "1")).exitCode, 0u);
    EXPECT_TRUE(logged("found located " + exe(own) + " 1.8.0_191"));
}

TEST_F(Registry, JavaRegistrationsAreReadInTheLaunchersOwnView) {
    TestRuntime jdk(sandbox.path(L"jdk11"), "11.0.2"), jre(sandbox.path(L"jre8"));
    for (REGSAM view : {otherView, REGSAM(0)}) {
        registerJavaHome(L"JDK", L"11", jdk.home(), view);
        registerJavaHome(L"JRE", L"1.8", jre.home(), view);
        EXPECT_EQ(run(searchConfig("Y", "0")).exitCode, view ? 83u : 0u);
    }
    EXPECT_TRUE(logged("found sun " + exe(jdk) + " 11.0.2"));  // which of the pair wins is the unit tests'
}

TEST_F(Registry, EnumeratingAKeyDeletedMeanwhileEnds) {
    registerJavaHome(L"JRE", L"1.8", sandbox.path(L"jre"));
    RegistryKey key = openRegistryKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft\\JRE");
    ASSERT_TRUE(key);
    cleanRegistry();
    EXPECT_TRUE(registrySubkeyNames(key.get()).empty());  // every index fails with "key deleted"
}

// The value lists installation directories, tried in order; the user's hive
// goes before the machine's (the unit tests' order of sources).
TEST_F(Registry, RecordedInstallationsAreAlsoFoundInTheOtherView) {
    TestRuntime recorded(sandbox.path(L"app\\jre"));
    std::wstring value = sandbox.path(L"first") + L";" + sandbox.path(L"app");
    setString(HKEY_LOCAL_MACHINE, L"valdrin-works\\orvane\\installations", L"app1", value, otherView);
    EXPECT_EQ(run(searchConfig("", "0").set(160, "app1")).exitCode, 0u);
    EXPECT_TRUE(logged("java version did not match in " + utf8(sandbox.path(L"first\\jre"))));
    EXPECT_TRUE(logged("found JRE from previous installation (machine) " + exe(recorded)));
}

}  // namespace
