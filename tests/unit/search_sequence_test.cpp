#include "jvmsearch/search_sequence.h"

#include <gtest/gtest.h>

#include <set>

#include "launcher/config_store.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

// Scripted sources that record every question of the search in order. A
// home's executable is home\bin\java.exe.
class FakeSources : public SearchSources {
public:
    std::set<std::string> passing;   // homes, variable names, "registry", "searchpath" whose test passes
    std::vector<std::string> trace;

    bool ask(const std::string& question, const std::string& exe, std::string& javaExe, bool passes) {
        trace.push_back(question);
        javaExe = exe;
        return passes;
    }
    std::optional<std::string> readLocationFile(const char* name) override {
        trace.push_back(std::string("file ") + name);
        return std::nullopt;
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
    bool checkJavaExe(std::string&, std::string&, const VersionParts&, const VersionParts&, bool, bool) override {
        return false;  // only a preset location is checked this way
    }
    bool pathExists(const std::string&) override { return false; }
    void expandVariables(std::string& text) override {
        if (text.rfind("%EXEDIR%", 0) == 0) text.replace(0, 8, "c:\\app");
    }
    void* loadJvmDll(const std::string& exe) override {
        trace.push_back("load " + exe);
        return nullptr;  // no library loads: every search fails
    }
    bool resolveCreateJavaVM(void* module) override { return module != nullptr; }
    void recordJvm(const std::string&, const std::string&) override {}
};

// Message 1016 names the bitness of the launcher the tests are built as.
const char16_t* const noJava = launcherArchitecture.bits == 64 ? u"No Java 64" : u"No Java 32";

class SearchSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        messageTable().set(1005, u"VM failed");
        messageTable().set(1016, u"No Java {0}");
        for (int id : {1017, 1018}) messageTable().set(id, u"Variable {0}");
        for (int id : {1019, 1020}) messageTable().set(id, u"Damaged {0}");
    }
    bool load(const std::string& sequence) {
        configStore().set(128, sequence);
        sources.trace.clear();
        return loadDllWith(sources, true, nullptr, false);
    }
    const std::u16string& shown() const { return fakePlatform().shownErrors.back(); }
    FakeSources sources;
};

TEST_F(SearchSequenceTest, NothingFoundAsksEverySourceInOrder) {
    EXPECT_FALSE(load(";B.\\jre;b.\\x;Y;;EJAVA_HOME;S;A%EXEDIR%\\j;AC:\\abs;R\\\\srv\\j;R\\r;BC:\\b;"));
    std::vector<std::string> expected = {
        "file \\.orvane\\pref_jre.cfg", "home .\\jre", "registry", "env JAVA_HOME", "searchpath", "home c:\\app\\j",
        "home C:\\abs", "home \\\\srv\\j", "home \\r", "home C:\\b", "file \\.orvane\\inst_jre.cfg",
        // Again, unexpanded, but the absolute A and R entries left out.
        "home .\\jre any", "home %EXEDIR%\\j any", "home \\r any", "home C:\\b any",
        "installation user", "installation machine", "env TESSEL_JAVA_HOME", "env ORVANE_JAVA_HOME"};
    EXPECT_EQ(sources.trace, expected);
    EXPECT_EQ(fakePlatform().logLines.back(), u"ERROR: No JVM found");
    EXPECT_EQ(shown(), noJava);
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
}

// The unit tests run at one bitness: the variants of both launchers are checked here.
TEST(SearchFailureMessage, EachLauncherRaisesTheVariantsForItsOwnBitness) {
    for (const auto& [architecture, bits, variable, damaged] :
         {std::tuple(&x86Architecture, "32", 1017, 1019), std::tuple(&x64Architecture, "64", 1018, 1020)}) {
        EXPECT_EQ(failureMessageFor(JvmSource::None, "", *architecture).argument, bits);
        EXPECT_EQ(failureMessageFor(JvmSource::EnvironmentVariable, "J", *architecture).id, variable);
        EXPECT_EQ(failureMessageFor(JvmSource::Directory, "c:\\jre", *architecture).id, damaged);
    }
}

}  // namespace
