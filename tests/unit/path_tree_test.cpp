#include "environment/path_tree.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <utility>

#include "tests/unit/fake_platform.h"

namespace {

// A file system of paths; a link stands for a directory elsewhere, so the
// entries "below" it are its target's.
class FakeTree : public TreeFileSystem {
public:
    struct Entry {
        bool directory = false, link = false;
    };
    std::map<std::u16string, Entry> entries;  // by full path
    std::set<std::u16string> listed;
    std::function<void()> afterListing;  // what others do between listing and opening

    // Keeps the entry as it was when opened.
    struct Node : TreeNode {
        Node(FakeTree& tree, std::u16string path) : tree_(tree), path_(std::move(path)), entry_(tree.entries[path_]) {}
        bool isDirectory() const override { return entry_.directory; }
        bool isLink() const override { return entry_.link; }
        std::vector<std::u16string> list() override {
            tree_.listed.insert(path_);
            std::vector<std::u16string> names;
            for (const auto& [path, entry] : tree_.entries)
                if (path.rfind(path_ + u"\\", 0) == 0 && path.find(u'\\', path_.size() + 1) == std::u16string::npos)
                    names.push_back(path.substr(path_.size() + 1));
            if (tree_.afterListing) std::exchange(tree_.afterListing, nullptr)();
            return names;
        }
        void remove() override {
            if (!entry_.link)
                for (const auto& [other, entry] : tree_.entries)
                    if (other.rfind(path_ + u"\\", 0) == 0) return;  // not empty
            tree_.entries.erase(path_);
        }
        FakeTree& tree_;
        std::u16string path_;
        Entry entry_;
    };

    std::unique_ptr<TreeNode> open(const std::u16string& path) override {
        return entries.count(path) ? std::make_unique<Node>(*this, path) : nullptr;
    }
};

class RemoveTreeIn : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* file : {u"T\\a.txt", u"T\\lib\\x.dll", u"T\\lib\\deep\\y", u"T\\link\\precious"})
            tree.entries[file] = {};
        for (const char16_t* directory : {u"T", u"T\\lib", u"T\\lib\\deep", u"T\\lib\\empty"})
            tree.entries[directory] = {true, false};
        tree.entries[u"T\\link"] = {true, true};
    }
    std::set<std::u16string> left() const {
        std::set<std::u16string> paths;
        for (const auto& [path, entry] : tree.entries) paths.insert(path);
        return paths;
    }
    FakeTree tree;
};

TEST_F(RemoveTreeIn, TwoLevelsAreRemovedAndLinksRemovedWithoutEnteringThem) {
    removeTreeIn(tree, u"T");
    // Two levels down stays, and so do its parents; so does what the link points at.
    EXPECT_EQ(left(), (std::set<std::u16string>{u"T", u"T\\lib", u"T\\lib\\deep", u"T\\lib\\deep\\y",
                                                u"T\\link\\precious"}));
    EXPECT_EQ(tree.listed, (std::set<std::u16string>{u"T", u"T\\lib"}));
    EXPECT_EQ(fakePlatform().logLines.front(), u"emptying T");
}

// What counts is the entry as opened, not as it was listed.
TEST_F(RemoveTreeIn, DirectorySwappedForALinkAfterListingIsNotEntered) {
    tree.afterListing = [this] { tree.entries[u"T\\lib"].link = true; };
    removeTreeIn(tree, u"T");
    EXPECT_EQ(tree.entries.count(u"T\\lib"), 0u);
    EXPECT_EQ(tree.entries.count(u"T\\lib\\x.dll"), 1u);
}

TEST_F(RemoveTreeIn, LinkedTopDirectoryEmptyAndDotPathsAreLeftAlone) {
    for (const char16_t* path : {u"T\\link", u"", u".", u".\\T"}) removeTreeIn(tree, path);
    EXPECT_TRUE(tree.listed.empty());
    EXPECT_TRUE(fakePlatform().logLines.empty());
}

}  // namespace
