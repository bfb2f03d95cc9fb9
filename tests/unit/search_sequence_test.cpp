#include "jvmsearch/search_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "launcher/config_store.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

// Scripted sources that record every question of the search in order. A
// home's executable is home\bin\java.exe.
class FakeSources : public SearchSources {
public:
    std::map<std::string, std::string> locationFiles;
    std::set<std::string> passing;   // homes, variable names, "registry", "searchpath" whose test passes
    std::set<std::string> present;   // homes whose executable exists
    std::set<std::string> loadable;  // executables whose library loads
    std::vector<std::string> trace;
    int records = 0;

    bool ask(const std::string& question, const std::string& exe, std::string& javaExe, bool passes) {
        trace.push_back(question);
        javaExe = exe;
        return passes;
    }
    std::optional<std::string> readLocationFile(const char* name) override {
        trace.push_back(std::string("file ") + name);
        auto it = locationFiles.find(name);
        return it == locationFiles.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool checkJavaHome(std::string& exe, std::string&, const std::string& home, const VersionParts&,
                       const VersionParts&, bool any) override {
        return ask("home " + home + (any ? " any" : ""), home + "\\bin\\java.exe", exe, any || passing.count(home));
    }
    bool checkEnvVar(std::string& exe, std::string&, const std::string& name, const VersionParts&,
                     const VersionParts&) override {
        return ask("env " + name, "c:\\" + name + "\\bin\\java.exe", exe, passing.count(name));
    }
    bool checkSearchPath(std::string& exe, std::string&, const VersionParts&, const VersionParts&) override {
        return ask("searchpath", "c:\\path\\java.exe", exe, passing.count("searchpath"));
    }
    bool checkRegistry(std::string& exe, std::string&, const VersionParts&, const VersionParts&) override {
        return ask("registry", "c:\\reg\\bin\\java.exe", exe, passing.count("registry"));
    }
    bool checkPreviousInstallation(bool machine, std::string& exe, std::string&, const VersionParts&,
                                   const VersionParts&) override {
        return ask(machine ? "installation machine" : "installation user", "", exe, false);
    }
    bool checkJavaExe(std::string& exe, std::string&, const VersionParts&, const VersionParts&, bool beta,
                      bool cache) override {
        return ask("exe beta " + std::to_string(beta) + " cache " + std::to_string(cache), exe, exe,
                   loadable.count(exe));
    }
    bool pathExists(const std::string& path) override {
        for (const std::string& home : present)
            if (home + "\\bin\\java.exe" == path) return true;
        return false;
    }
    void expandVariables(std::string& text) override {
        if (text.rfind("%EXEDIR%", 0) == 0) text.replace(0, 8, "c:\\app");
    }
    void* loadJvmDll(const std::string& exe) override {
        trace.push_back("load " + exe);
        return loadable.count(exe) ? this : nullptr;
    }
    bool resolveCreateJavaVM(void* module) override { return module && !passing.count("no export"); }
    void recordJvm(const std::string&, const std::string&) override { ++records; }
};

// Message 1016 names the bitness of the launcher the tests are built as.
const char16_t* const noJava = launcherArchitecture.bits == 64 ? u"No Java 64" : u"No Java 32";

class SearchSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetLauncherForTest();
        messageTable().set(1005, u"VM failed");
        messageTable().set(1016, u"No Java {0}");
        for (int id : {1017, 1018}) messageTable().set(id, u"Variable {0}");
        for (int id : {1019, 1020}) messageTable().set(id, u"Damaged {0}");
    }
    bool load(const std::string& sequence, const char* preset = nullptr, bool presetIsExe = false) {
        configStore().set(128, sequence);
        sources.trace.clear();
        return loadDllWith(sources, true, preset, presetIsExe);
    }
    const std::u16string& shown() const { return fakePlatform().shownErrors.back(); }
    FakeSources sources;
};

TEST_F(SearchSequenceTest, EntriesAndTheFallbackRule) {
    std::vector<SearchEntry> entries = parseSearchSequence(";;B.\\jre;Y;;EJAVA_HOME;");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].type, 'B');
    EXPECT_EQ(entries[0].argument, ".\\jre");
    EXPECT_EQ(entries[1].argument, "");
    EXPECT_EQ(entries[2].argument, "JAVA_HOME");
    struct {
        char type;
        const char* argument;
        bool visited;
    } cases[] = {{'B', "C:\\Java\\jre", true}, {'R', "\\\\server\\jre", false}, {'R', "C", true},
                 {'A', "\\jre", true},         {'b', ".\\jre", false},           {'Y', "", false}};
    for (const auto& c : cases) EXPECT_EQ(visitedInFallbackPass({c.type, c.argument}), c.visited) << c.argument;
}

TEST_F(SearchSequenceTest, NothingFoundAsksEverySourceInOrder) {
    EXPECT_FALSE(load("B.\\jre;b.\\x;Y;EJAVA_HOME;S;A%EXEDIR%\\j;AC:\\abs"));
    std::vector<std::string> expected = {
        "file \\.orvane\\pref_jre.cfg", "home .\\jre", "registry", "env JAVA_HOME", "searchpath", "home c:\\app\\j",
        "home C:\\abs", "file \\.orvane\\inst_jre.cfg",
        "home .\\jre any", "home %EXEDIR%\\j any",  // unexpanded, the absolute A entry left out
        "installation user", "installation machine", "env TESSEL_JAVA_HOME", "env ORVANE_JAVA_HOME"};
    EXPECT_EQ(sources.trace, expected);
    EXPECT_EQ(fakePlatform().logLines.back(), u"ERROR: No JVM found");
    EXPECT_EQ(shown(), noJava);
    EXPECT_EQ(sources.records, 0);
}

TEST_F(SearchSequenceTest, MessageNamesTheLastAcceptedSourceEvenAfterLaterFailures) {
    struct {
        const char* sequence;
        std::set<std::string> passing;
        const char16_t* message;
    } cases[] = {
        {"A%EXEDIR%\\jre;EJAVA_HOME", {"c:\\app\\jre"}, u"Damaged c:\\app\\jre"},  // the expanded argument
        {"EJAVA_HOME;AC:\\x", {"JAVA_HOME"}, u"Variable JAVA_HOME"},
        {"S;EJAVA_HOME", {"JAVA_HOME", "searchpath"}, u"Variable JAVA_HOME"},
        {"EJAVA_HOME;Y", {"JAVA_HOME", "registry"}, u"VM failed"},
        {"S", {"searchpath"}, noJava},
        {"", {"TESSEL_JAVA_HOME"}, u"Variable TESSEL_JAVA_HOME"},
    };
    for (const auto& c : cases) {
        sources.passing = c.passing;
        EXPECT_FALSE(load(c.sequence));
        EXPECT_EQ(shown(), c.message) << c.sequence;
        EXPECT_EQ(fakePlatform().logLines.back(), u"ERROR: Could not load functions");
    }
    // A library without the entry point: the same message, but a handle was had.
    sources.passing = {"JAVA_HOME", "no export"};
    sources.loadable = {"c:\\JAVA_HOME\\bin\\java.exe"};
    fakePlatform().logLines.clear();
    EXPECT_FALSE(load("EJAVA_HOME"));
    EXPECT_EQ(shown(), u"Variable JAVA_HOME");
    const std::vector<std::u16string>& lines = fakePlatform().logLines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), u"ERROR: Could not get DLL-Handle."), 0);
}

TEST(SearchFailureMessage, EachLauncherRaisesTheVariantsForItsOwnBitness) {
    struct {
        const Architecture& architecture;
        const char* bits;
        int variable;
        int damaged;
    } cases[] = {{x86Architecture, "32", 1017, 1019}, {x64Architecture, "64", 1018, 1020}};
    for (const auto& c : cases) {
        SearchFailureMessage none = failureMessageFor(JvmSource::None, "", c.architecture);
        EXPECT_EQ(none.id, 1016);
        EXPECT_EQ(none.argument, c.bits);
        EXPECT_EQ(failureMessageFor(JvmSource::SearchPath, "x", c.architecture).argument, c.bits);
        EXPECT_EQ(failureMessageFor(JvmSource::EnvironmentVariable, "JAVA_HOME", c.architecture).id, c.variable);
        EXPECT_EQ(failureMessageFor(JvmSource::Directory, "c:\\jre", c.architecture).id, c.damaged);
        EXPECT_EQ(failureMessageFor(JvmSource::Registry, "", c.architecture).argument, std::nullopt);
    }
}

TEST_F(SearchSequenceTest, PresetLocationIsTheOnlyCandidate) {
    sources.passing = {"registry"};
    sources.loadable = {"c:\\jre\\bin\\java.exe"};
    EXPECT_TRUE(load("Y", "c:\\jre\\bin\\java.exe", true));
    EXPECT_EQ(sources.trace, (std::vector<std::string>{"exe beta 1 cache 0", "load c:\\jre\\bin\\java.exe"}));
    EXPECT_FALSE(load("Y", "c:\\other\\java.exe", true));
    EXPECT_EQ(fakePlatform().logLines.back(), u"ERROR: Provided JVM unusable");
    EXPECT_EQ(shown(), noJava);
    // A directory is always accepted; its library decides.
    EXPECT_FALSE(load("Y", "c:\\nothing", false));
    EXPECT_EQ(sources.trace.front(), "home c:\\nothing any");
    EXPECT_EQ(shown(), u"Damaged c:\\nothing");
}

}  // namespace
