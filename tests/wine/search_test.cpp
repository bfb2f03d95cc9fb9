// The Java runtime search of the real launcher: its sources in order, the
// version cache of the probe, and the registry sources.
#include <gtest/gtest.h>

#include <algorithm>

#include "jvmsearch/java_probe.h"
#include "launcher/win32/registry.h"
#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

LauncherConfiguration searchConfig(const std::string& sequence, const char* executableType = "1") {
    LauncherConfiguration config;
    config.set(107, executableType).set(122, "Main").set(126, "1.8").set(128, sequence).set(2001, "t");
    config.message(1016, u"No {0}-bit Java.").message(1017, u"{0}: no 32-bit Java.").message(1018, u"{0}: no 64-bit Java.");
    config.message(1019, u"{0}: damaged 32-bit Java.").message(1020, u"{0}: damaged 64-bit Java.");
    return config;
}

// The launcher under test names its own bitness and raises the messages for it.
const std::string bits = sizeof(void*) == 8 ? "64" : "32";

TestRuntimeSpec withVersion(const std::string& version) {
    TestRuntimeSpec spec;
    spec.version = version;
    return spec;
}

TestRuntimeSpec withVms(std::vector<VmDirectory> vms) {
    TestRuntimeSpec spec;
    spec.vms = std::move(vms);
    return spec;
}

class SearchBase : public ::testing::Test {
protected:
    SearchBase() : cleanup(RegistryCleanup::javaSearchKeys()), sandbox(testName()) {}

    // No Java reaches the launcher but what the test puts there.
    LauncherRun run(const LauncherConfiguration& config, std::map<std::wstring, std::wstring> environment = {},
                    bool log = true) {
        RunOptions options = withArguments(L"-q_ovn_internal");
        for (const wchar_t* name : {L"JAVA_HOME", L"JDK_HOME", L"TESSEL_JAVA_HOME", L"ORVANE_JAVA_HOME"})
            options.environment[name] = L"";
        options.environment[L"PATH"] = L"C:\\windows\\system32;C:\\windows";
        if (log) options.environment[L"TESSEL_LOG"] = L"yes";
        for (const auto& [name, value] : environment) options.environment[name] = value;
        LauncherRun result = sandbox.run(sandbox.makeLauncher(L"app.exe", config), options);
        std::wstring logFile = sandbox.tempDirectory() + L"\\ovn_nlog_1.log";
        log_.clear();
        for (const std::string& line : splitLines(readWholeFile(logFile))) {
            size_t stamp = line.find("] ");
            if (line.rfind("[", 0) == 0 && stamp != std::string::npos) log_.push_back(line.substr(stamp + 2));
        }
        DeleteFileW(logFile.c_str());
        return result;
    }
    bool logged(const std::string& line) const { return std::find(log_.begin(), log_.end(), line) != log_.end(); }
    std::vector<std::string> loggedStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : log_)
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        return found;
    }
    std::string dir() const { return lower(narrow(sandbox.directory())); }
    std::wstring at(const std::wstring& name) const { return sandbox.directory() + L"\\" + name; }

    RegistryCleanup cleanup;
    LauncherSandbox sandbox;
    std::vector<std::string> log_;
};

using Search = SearchBase;
using Probe = SearchBase;
using Registry = SearchBase;

TEST_F(Search, RuntimeBesideTheLauncherLoadsItsVmVariantsInOrder) {
    struct {
        std::vector<VmDirectory> vms;
        const char* preferred;
        std::vector<const char*> tried;
    } cases[] = {
        {{{"client"}, {"server"}}, "", {"hotspot\\jvm.dll (exists 0)", "client\\jvm.dll (exists 1)"}},
        {{{"client"}, {"server"}}, "server", {"server\\jvm.dll (exists 1)"}},
        {{{"server"}, {"hotspot"}}, "", {"hotspot\\jvm.dll (exists 1)"}},
    };
    for (const auto& c : cases) {
        TestRuntime runtime(at(L"jre"), withVms(c.vms));
        LauncherConfiguration config = searchConfig("B.\\jre;Y;EJAVA_HOME;EJDK_HOME;");
        EXPECT_NE(run(config.set(152, c.preferred)).exitCode, 83u);
        std::vector<std::string> expected;
        for (const char* tried : c.tried) expected.push_back("Trying " + dir() + "\\jre\\bin\\" + tried);
        EXPECT_EQ(loggedStartingWith("Trying " + dir()), expected) << c.preferred;
        EXPECT_EQ(loggedStartingWith("Testing location").size(), 1u);  // later entries are never tested
        auto loaded = std::find(log_.begin(), log_.end(), "Loading of JVM-DLL successful");
        EXPECT_NE(std::find_if(loaded, log_.end(), [](const std::string& l) { return l == "launching program"; }),
                  log_.end());
    }
}

TEST_F(Search, NothingLoadableExits83WithTheMessageOfTheLastAcceptedSource) {
    LauncherConfiguration config = searchConfig("B.\\jre;Y;EJAVA_HOME;EJDK_HOME;");
    LauncherRun result = run(config, {}, false);
    EXPECT_EQ(result.exitCode, 83u);
    EXPECT_EQ(result.standardError, "No " + bits + "-bit Java.\r\n");

    TestRuntime other(at(L"other"), withVms({{"client", FakeJvm::otherArchitecture}}));
    std::wstring slashed = other.home();
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');  // taken as backslashes
    result = run(config, {{L"JAVA_HOME", slashed}}, false);
    EXPECT_EQ(result.exitCode, 83u);
    EXPECT_EQ(result.standardError, "JAVA_HOME: no " + bits + "-bit Java.\r\n");

    TestRuntime damaged(at(L"jre"), withVms({{"client", FakeJvm::withoutExport}}));
    result = run(config, {}, false);
    EXPECT_EQ(result.exitCode, 83u);
    EXPECT_EQ(result.standardError, ".\\jre: damaged " + bits + "-bit Java.\r\n");
}

TEST_F(Search, FailedCandidateLeavesPathAsItWasForTheNext) {
    TestRuntime bad(at(L"bad"), withVms({{"client", FakeJvm::otherArchitecture}}));
    TestRuntime good(at(L"good"));
    EXPECT_NE(run(searchConfig("EJAVA_HOME;EJDK_HOME"), {{L"JAVA_HOME", bad.home()}, {L"JDK_HOME", good.home()}})
                  .exitCode,
              83u);
    std::string original = "Setting PATH C:\\windows\\system32;C:\\windows";
    EXPECT_EQ(loggedStartingWith(original),
              (std::vector<std::string>{original + ";" + dir() + "\\bad\\bin", original,
                                        original + ";" + dir() + "\\bad\\bin\\..\\jre\\bin", original,
                                        original + ";" + dir() + "\\good\\bin"}));
    EXPECT_TRUE(logged("Loading of JVM-DLL successful"));
}

TEST_F(Search, PreferredLocationFileAndTheSystemSearchPath) {
    TestRuntime preferred(at(L"preferred"));
    CreateDirectoryW(at(L"inst").c_str(), nullptr);
    CreateDirectoryW(at(L"inst\\.orvane").c_str(), nullptr);
    sandbox.writeFile(L"inst\\.orvane\\pref_jre.cfg", narrow(preferred.home()) + "\r\nignored\r\n");
    LauncherConfiguration config = searchConfig("S");
    config.set(10003, "inst");
    EXPECT_NE(run(config).exitCode, 83u);
    EXPECT_TRUE(logged("Has preferred location " + narrow(preferred.home())));
    EXPECT_TRUE(logged("Using preferred location"));
    EXPECT_FALSE(logged("Testing location  (type S)"));

    DeleteFileW(at(L"inst\\.orvane\\pref_jre.cfg").c_str());
    EXPECT_NE(run(config, {{L"PATH", preferred.binDirectory() + L";C:\\windows"}}).exitCode, 83u);
    EXPECT_TRUE(logged("Testing location  (type S)"));
    EXPECT_TRUE(logged("Loading of JVM-DLL successful"));
}

TEST_F(Probe, SecondStartTakesTheVersionFromTheCacheUntilTheRuntimeChanges) {
    TestRuntime runtime(at(L"jre"));
    std::wstring key = widen(versionCacheKey(lower(narrow(runtime.javaExe()))));
    LauncherConfiguration config = searchConfig("EJAVA_HOME");
    EXPECT_NE(run(config, {{L"JAVA_HOME", runtime.home()}}).exitCode, 83u);
    EXPECT_TRUE(logged("got version from execution 1.8.0_191"));
    EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, key, L"Version"), L"1.8.0_191");
    EXPECT_NE(run(config, {{L"JAVA_HOME", runtime.home()}}).exitCode, 83u);
    EXPECT_TRUE(logged("got version from registry 1.8.0_191"));
    EXPECT_EQ(runtime.javaStarts(), 1);

    runtime.touchExecutables();  // an update in place
    FakeJavaBehaviour updated;
    updated.versionLine = fakeJavaVersionLine("1.8.0_201");
    runtime.setBehaviour(updated);
    EXPECT_NE(run(config, {{L"JAVA_HOME", runtime.home()}}).exitCode, 83u);
    EXPECT_EQ(runtime.javaStarts(), 2);
    EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, key, L"Version"), L"1.8.0_201");
}

TEST_F(Probe, RefusedRuntimesAreCachedAndFailedRunsRunAgain) {
    TestRuntime old(at(L"old"), withVersion("1.7.0_80"));
    LauncherConfiguration config = searchConfig("EJAVA_HOME");  // no fallback pass for a variable
    for (int i = 0; i < 2; ++i) EXPECT_EQ(run(config, {{L"JAVA_HOME", old.home()}}).exitCode, 83u);
    EXPECT_TRUE(logged("got version from registry 1.7.0_80"));
    EXPECT_EQ(old.javaStarts(), 1);

    TestRuntimeSpec failing;
    failing.behaviour.exitCode = 2;
    TestRuntime broken(at(L"broken"), failing);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(run(config, {{L"JAVA_HOME", broken.home()}}).exitCode, 83u);
    EXPECT_EQ(broken.javaStarts(), 2);
    EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, widen(versionCacheKey(lower(narrow(broken.javaExe())))),
                                 L"Version"),
              L"1.0.0");
    EXPECT_TRUE(sandbox.tempEntries().empty());  // no output file is left behind
}

TEST_F(Probe, AProgramNamedByTheFirstWordsOfTheRuntimePathNeverStarts) {
    TestRuntime runtime(at(L"Program Files\\jre"));
    // The fake java.exe records its starts in starts.log beside itself.
    ASSERT_TRUE(CopyFileW(fakeJavaProgram(L"java.exe").c_str(), at(L"Program.exe").c_str(), FALSE));
    EXPECT_NE(run(searchConfig("EJAVA_HOME"), {{L"JAVA_HOME", runtime.home()}}).exitCode, 83u);
    EXPECT_EQ(runtime.javaStarts(), 1);
    EXPECT_EQ(GetFileAttributesW(at(L"starts.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Probe, HungRunIsTerminatedPastTheTimeLimit) {
    TestRuntime runtime(at(L"jre"));
    std::string javaExe = lower(narrow(runtime.javaExe()));
    EXPECT_EQ(runJavaVersion(javaExe, 1), "1.8.0_191");
    FakeJavaBehaviour behaviour;
    behaviour.hangSeconds = 30;
    runtime.setBehaviour(behaviour);
    DWORD started = GetTickCount();
    EXPECT_EQ(runJavaVersionWithin(javaExe, 1, 1500), std::nullopt);
    EXPECT_LT(GetTickCount() - started, 15000u);
    EXPECT_FALSE(registryKeyExists(HKEY_CURRENT_USER, widen(versionCacheKey(javaExe))));  // not a failed run
}

TEST_F(Registry, StandardKeysPreferNewStyleAndTheNewerCurrentVersion) {
    TestRuntime jdk(at(L"jdk11"), withVersion("11.0.2"));
    TestRuntime jre(at(L"jre8"));
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JDK", L"11", jdk.home());
    registerJavaHome(HKEY_LOCAL_MACHINE, L"Java Runtime Environment", L"1.8", jre.home());
    EXPECT_NE(run(searchConfig("Y", "0")).exitCode, 83u);
    EXPECT_TRUE(logged("found sun " + lower(narrow(jdk.javaExe())) + " 11.0.2"));

    // A maximum of 1.8 empties the JDK's current version; the pair's JRE key is used.
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JRE", L"1.8", jre.home());
    LauncherConfiguration config = searchConfig("Y", "0");
    EXPECT_NE(run(config.set(127, "1.8")).exitCode, 83u);
    EXPECT_TRUE(logged("found sun " + lower(narrow(jre.javaExe())) + " 1.8.0_191"));
    EXPECT_EQ(jdk.javaStarts(), 1);
}

TEST_F(Registry, LocatedRuntimesWinTiesAndCanBeTheOnlyOnesThatCount) {
    auto locate = [](HKEY hive, const TestRuntime& runtime) {
        std::wstring name = runtime.javaExe();
        std::replace(name.begin(), name.end(), L'\\', L'/');
        createRegistryKey(hive, L"SOFTWARE\\valdrin-works\\tessel\\locatedjvms\\" + name);
    };
    TestRuntime standard(at(L"standard")), located(at(L"located")), older(at(L"older"), withVersion("1.8.0_60"));
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JRE", L"1.8", standard.home());
    locate(HKEY_CURRENT_USER, older);
    locate(HKEY_LOCAL_MACHINE, located);
    EXPECT_NE(run(searchConfig("Y", "0")).exitCode, 83u);
    EXPECT_TRUE(logged("found located " + lower(narrow(located.javaExe())) + " 1.8.0_191"));
    EXPECT_TRUE(logged("Trying " + lower(narrow(located.binDirectory())) + "\\client\\jvm.dll (exists 1)"));

    // Setting 165: only runtimes below "ovn_jres" count; the others are not even probed.
    LauncherConfiguration config = searchConfig("Y", "0");
    config.set(165, "1");
    standard.clearStarts();
    located.clearStarts();
    older.clearStarts();
    EXPECT_EQ(run(config).exitCode, 83u);
    EXPECT_EQ(standard.javaStarts() + located.javaStarts() + older.javaStarts(), 0);
    TestRuntime own(at(L"ovn_jres\\own"));
    locate(HKEY_CURRENT_USER, own);
    EXPECT_NE(run(config).exitCode, 83u);
    EXPECT_TRUE(logged("found located " + lower(narrow(own.javaExe())) + " 1.8.0_191"));
}

TEST_F(Registry, RuntimesOfTheOtherArchitectureNeverOutrankOnesThatLoad) {
    TestRuntimeSpec newerSpec = withVersion("1.8.0_201");
    newerSpec.otherArchitectureJava = true;
    newerSpec.vms = {{"client", FakeJvm::otherArchitecture}};
    TestRuntime newer(at(L"newer"), newerSpec), older(at(L"older"));
    for (const TestRuntime* runtime : {&newer, &older}) {
        std::wstring name = runtime->javaExe();
        std::replace(name.begin(), name.end(), L'\\', L'/');
        createRegistryKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\valdrin-works\\tessel\\locatedjvms\\" + name);
    }
    EXPECT_NE(run(searchConfig("Y", "0")).exitCode, 83u);
    EXPECT_TRUE(logged("found located " + lower(narrow(older.javaExe())) + " 1.8.0_191"));
    EXPECT_EQ(loggedStartingWith(narrow(newer.javaExe()) + " is built for machine ").size(), 1u);
    EXPECT_EQ(newer.javaStarts(), 0);  // refused before it is probed
    EXPECT_TRUE(logged("Loading of JVM-DLL successful"));
}

TEST_F(Registry, JavaRegistrationsAreReadInTheLaunchersOwnView) {
    TestRuntime jre(at(L"jre8"));
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JRE", L"1.8", jre.home(), true, otherView);
    EXPECT_EQ(run(searchConfig("Y", "0")).exitCode, 83u);
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JRE", L"1.8", jre.home());
    EXPECT_NE(run(searchConfig("Y", "0")).exitCode, 83u);
    EXPECT_TRUE(logged("found sun " + lower(narrow(jre.javaExe())) + " 1.8.0_191"));
}

TEST_F(Registry, EnumeratingAKeyDeletedMeanwhileEnds) {
    const std::wstring path = L"SOFTWARE\\JavaSoft\\JRE";
    registerJavaHome(HKEY_LOCAL_MACHINE, L"JRE", L"1.8", at(L"jre"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    deleteRegistryTree(HKEY_LOCAL_MACHINE, path);
    EXPECT_TRUE(registrySubkeyNames(key).empty());  // every index fails with "key deleted"
    RegCloseKey(key);
}

TEST_F(Registry, RecordedInstallationsAreTriedInOrder) {
    TestRuntime second(at(L"second\\jre"));
    std::string first = narrow(sandbox.directory()) + "\\first";
    std::string value = first + ";" + narrow(sandbox.directory()) + "\\second";
    setRegistryString(HKEY_CURRENT_USER, L"SOFTWARE\\valdrin-works\\orvane\\installations", L"app1", widen(value));
    LauncherConfiguration config = searchConfig("", "0");
    EXPECT_NE(run(config.set(160, "app1")).exitCode, 83u);
    EXPECT_TRUE(logged("java version did not match in " + first + "\\jre"));
    EXPECT_TRUE(logged("found JRE from previous installation (user) " + lower(narrow(second.javaExe()))));
}

TEST_F(Registry, RecordedInstallationsAreAlsoFoundInTheOtherView) {
    TestRuntime recorded(at(L"app\\jre"));
    setRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\valdrin-works\\orvane\\installations", L"app1",
                      at(L"app"), otherView);
    LauncherConfiguration config = searchConfig("", "0");
    EXPECT_NE(run(config.set(160, "app1")).exitCode, 83u);
    std::vector<std::string> views = loggedStartingWith("checking app id app1");
    ASSERT_EQ(views.size(), 4u);  // both views of the user's hive, then of the machine's
    std::string otherViewFlag = bits == "64" ? "512" : "256";  // KEY_WOW64_32KEY, KEY_WOW64_64KEY
    EXPECT_EQ(views[3].rfind("checking app id app1 (" + otherViewFlag + ", ", 0), 0u);
    EXPECT_TRUE(logged("found JRE from previous installation (machine) " + lower(narrow(recorded.javaExe()))));
}

}  // namespace
