#include "environment/path_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/unit/fake_platform.h"

namespace {

// A file system of paths; a link points at a directory elsewhere.
class FakeTree : public TreeFileSystem {
public:
    std::map<std::string, TreeEntry> entries;  // by full path
    std::set<std::string> listed;

    void add(const std::string& path, bool directory, bool link = false) {
        entries[path] = {path.substr(path.rfind('\\') + 1), directory, link};
    }
    bool has(const std::string& path) const { return entries.count(path) != 0; }

    bool isLink(const std::string& path) override { return has(path) && entries[path].isLink; }
    std::vector<TreeEntry> list(const std::string& pattern) override {
        std::string directory = pattern.substr(0, pattern.size() - 3);  // up to the backslash
        listed.insert(directory);
        std::vector<TreeEntry> found = {{".", true, false}, {"..", true, false}};
        for (const auto& [path, entry] : entries)
            if (path.rfind(directory, 0) == 0 && path.find('\\', directory.size()) == std::string::npos)
                found.push_back(entry);
        return found;
    }
    void removeDirectory(const std::string& path) override {
        for (const auto& [other, entry] : entries)
            if (other.rfind(path + "\\", 0) == 0) return;  // not empty
        entries.erase(path);
    }
    void deleteFile(const std::string& path) override { entries.erase(path); }
};

class RemoveTreeIn : public ::testing::Test {
protected:
    void SetUp() override {
        resetLauncherForTest();
        tree.add("T\\a.txt", false);
        tree.add("T\\lib", true);
        tree.add("T\\lib\\x.dll", false);
        tree.add("T\\lib\\deep", true);
        tree.add("T\\lib\\deep\\y", false);
        tree.add("T\\lib\\empty", true);
        tree.add("T\\link", true, true);
        tree.add("O", true);
        tree.add("O\\precious", false);
    }
    FakeTree tree;
};

TEST_F(RemoveTreeIn, TwoLevelsAreEmptiedAndLinksRemovedWithoutEnteringThem) {
    removeTreeIn(tree, "T", true);
    EXPECT_FALSE(tree.has("T\\a.txt"));
    EXPECT_FALSE(tree.has("T\\lib\\x.dll"));
    EXPECT_FALSE(tree.has("T\\lib\\empty"));
    EXPECT_TRUE(tree.has("T\\lib\\deep\\y"));  // two levels down stays
    EXPECT_FALSE(tree.has("T\\link"));
    EXPECT_TRUE(tree.has("O\\precious"));
    EXPECT_EQ(tree.listed, (std::set<std::string>{"T\\", "T\\lib\\"}));
    EXPECT_EQ(fakePlatform().logLines.front(), u"emptying T");
}

TEST_F(RemoveTreeIn, LinkedTopDirectoryEmptyAndDotPathsAreLeftAlone) {
    for (const char* path : {"T\\link", "", ".", ".\\T"}) removeTreeIn(tree, path, true);
    EXPECT_TRUE(tree.listed.empty());
    EXPECT_TRUE(fakePlatform().logLines.empty());
}

}  // namespace
