#include "environment/unpack_runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "launcher/errors.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

// A file system of paths; the tool writes the archive and removes the
// packed file, as unpack200 -r does.
class FakeUnpack : public UnpackPlatform {
public:
    std::set<std::string> files;
    std::map<std::string, std::vector<std::string>> listings;  // pattern -> names
    std::vector<std::string> started;                          // program + " " + command line
    std::string console;
    std::vector<std::string> deleted;
    bool toolStarts = true;
    bool toolRemovesPacked = true;
    int deleteError = 0;  // non-zero: deleting an existing file fails with it

    std::vector<std::string> findFiles(const std::string& pattern) override { return listings[pattern]; }
    bool pathExists(const std::string& path) override { return files.count(path) != 0; }
    void writeConsoleText(const std::string& text) override { console += text; }
    bool startProcess(const std::string& program, const std::string& commandLine) override {
        if (!toolStarts) return false;
        started.push_back(program + " " + commandLine);
        current_ = commandLine;
        return true;
    }
    void waitForProcess() override {
        // -r "packed" "archive"
        size_t a = current_.find('"'), b = current_.find('"', a + 1);
        size_t c = current_.find('"', b + 1), d = current_.find('"', c + 1);
        std::string packed = current_.substr(a + 1, b - a - 1);
        files.insert(current_.substr(c + 1, d - c - 1));
        if (toolRemovesPacked) files.erase(packed);
    }
    DeleteResult deleteFile(const std::string& path, int& errorCode) override {
        if (!files.count(path)) return DeleteResult::missing;
        if (deleteError) {
            errorCode = deleteError;
            return DeleteResult::failed;
        }
        files.erase(path);
        deleted.push_back(path);
        return DeleteResult::deleted;
    }

    void addPacked(const std::string& subdirectory, const std::string& name) {
        listings["c:\\app\\jre\\" + subdirectory + "\\*.jar.pack"].push_back(name);
        files.insert("c:\\app\\jre\\" + subdirectory + "\\" + name);
    }

private:
    std::string current_;
};

class Unpack : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }
    int count(const std::u16string& line) const {
        int n = 0;
        for (const auto& logged : fakePlatform().logLines) n += logged == line;
        return n;
    }
    FakeUnpack platform;
};

TEST_F(Unpack, ArchivesOfLibAndExtAreUnpackedUnderOneAnnouncement) {
    platform.addPacked("lib", "rt.jar.pack");
    platform.addPacked("lib", "charsets.jar.pack");
    platform.files.insert("c:\\app\\jre\\lib\\charsets.jar");  // already there: left alone
    platform.addPacked("lib\\ext", "nashorn.jar.pack");
    platform.toolRemovesPacked = false;

    unpackJre("c:\\app\\jre", platform);

    EXPECT_EQ(platform.started,
              (std::vector<std::string>{
                  "c:\\app\\jre\\bin\\unpack200.exe -r \"c:\\app\\jre\\lib\\rt.jar.pack\" \"c:\\app\\jre\\lib\\rt.jar\"",
                  "c:\\app\\jre\\bin\\unpack200.exe -r \"c:\\app\\jre\\lib\\ext\\nashorn.jar.pack\" "
                  "\"c:\\app\\jre\\lib\\ext\\nashorn.jar\""}));
    EXPECT_EQ(platform.console, "Preparing JRE ...\n");
    EXPECT_EQ(count(u"Unpacking JRE"), 1);
    EXPECT_EQ(fakePlatform().logLines.back(), u"Unpacking JRE done");
    EXPECT_EQ(count(u"Unpacking JRE done"), 1);
    EXPECT_EQ(platform.deleted, (std::vector<std::string>{"c:\\app\\jre\\lib\\rt.jar.pack",
                                                          "c:\\app\\jre\\lib\\ext\\nashorn.jar.pack"}));
    EXPECT_TRUE(platform.files.count("c:\\app\\jre\\lib\\charsets.jar.pack"));
    EXPECT_EQ(count(u"checking c:\\app\\jre\\lib\\charsets.jar"), 1);

    // A second start finds every archive and starts nothing.
    fakePlatform().logLines.clear();
    platform.started.clear();
    platform.console.clear();
    unpackJre("c:\\app\\jre", platform);
    EXPECT_TRUE(platform.started.empty());
    EXPECT_EQ(platform.console, "");
    EXPECT_EQ(count(u"Unpacking JRE done"), 0);
}

TEST_F(Unpack, RuntimeWithoutPackedArchivesIsQuiet) {
    unpackJre("c:\\app\\jre", platform);
    EXPECT_TRUE(platform.started.empty());
    EXPECT_EQ(platform.console, "");
    EXPECT_TRUE(fakePlatform().logLines.empty());
}

TEST_F(Unpack, ToolThatCannotStartIsAFatalInternalError) {
    messageTable().set(msgInternalError, u"An internal error occurred (error code {0}).");
    platform.addPacked("lib", "rt.jar.pack");
    platform.toolStarts = false;
    EXPECT_EQ(exitCodeOf([&] { unpackJre("c:\\app\\jre", platform); }), 1);
    EXPECT_EQ(fakePlatform().shownErrors, (std::vector<std::u16string>{u"An internal error occurred (error code 20)."}));
    EXPECT_EQ(count(u"could not create unpack process"), 1);
}

TEST_F(Unpack, VanishedOrUndeletablePackedFilesAreLoggedAndSkipped) {
    platform.addPacked("lib", "gone.jar.pack");
    platform.files.erase("c:\\app\\jre\\lib\\gone.jar.pack");
    platform.addPacked("lib", "locked.jar.pack");
    platform.toolRemovesPacked = false;
    platform.deleteError = 32;
    unpackJre("c:\\app\\jre", platform);
    EXPECT_EQ(count(u"pack path doesn't exists"), 1);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_NE(platform.started[0].find("locked.jar.pack"), std::string::npos);
    EXPECT_EQ(count(u"could not delete packed file (error 32)"), 1);

    // A tool that removed the packed file itself leaves nothing to report.
    fakePlatform().logLines.clear();
    platform.toolRemovesPacked = true;
    platform.addPacked("lib\\ext", "x.jar.pack");
    platform.files.insert("c:\\app\\jre\\lib\\locked.jar");
    platform.files.insert("c:\\app\\jre\\lib\\gone.jar");
    unpackJre("c:\\app\\jre", platform);
    for (const auto& line : fakePlatform().logLines) EXPECT_EQ(line.find(u"could not"), std::u16string::npos);
    EXPECT_EQ(platform.files.count("c:\\app\\jre\\lib\\ext\\x.jar"), 1u);
}

}  // namespace
