#include "environment/unpack_runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/unit/fake_platform.h"

namespace {

// A file system of paths; the tool writes the archive and removes the
// packed file, as unpack200 -r does.
class FakeUnpack : public UnpackPlatform {
public:
    std::set<std::string> files;
    std::map<std::string, std::vector<std::string>> listings;  // pattern -> names
    std::vector<std::string> started;                          // program + " " + arguments
    bool toolRemovesPacked = true;
    int deleteError = 0;  // non-zero: deleting an existing file fails with it

    std::vector<std::string> findFiles(const std::string& pattern) override { return listings[pattern]; }
    bool pathExists(const std::string& path) override { return files.count(path) != 0; }
    void writeConsoleText(const std::string&) override {}
    bool runTool(const std::string& program, const std::string& arguments) override {
        started.push_back(program + " " + arguments);
        // -r "packed" "archive"
        size_t a = arguments.find('"'), b = arguments.find('"', a + 1);
        size_t c = arguments.find('"', b + 1), d = arguments.find('"', c + 1);
        std::string packed = arguments.substr(a + 1, b - a - 1);
        files.insert(arguments.substr(c + 1, d - c - 1));
        if (toolRemovesPacked) files.erase(packed);
        return true;
    }
    DeleteResult deleteFile(const std::string& path, int& errorCode) override {
        if (!files.count(path)) return DeleteResult::missing;
        if (deleteError) {
            errorCode = deleteError;
            return DeleteResult::failed;
        }
        files.erase(path);
        return DeleteResult::deleted;
    }

    void addPacked(const std::string& subdirectory, const std::string& name) {
        listings["c:\\app\\jre\\" + subdirectory + "\\*.jar.pack"].push_back(name);
        files.insert("c:\\app\\jre\\" + subdirectory + "\\" + name);
    }
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
}

}  // namespace
