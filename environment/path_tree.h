// Emptying the launcher's temporary directory at exit, over a small view of
// the file system so that links can be told apart from directories.
#pragma once

#include <string>
#include <vector>

struct TreeEntry {
    std::string name;
    bool isDirectory = false;
    bool isLink = false;  // a junction or symbolic link: its target lies elsewhere
};

class TreeFileSystem {
public:
    virtual ~TreeFileSystem() = default;
    virtual bool isLink(const std::string& path) = 0;
    // The entries matching the pattern, "." and ".." included as the system gives them.
    virtual std::vector<TreeEntry> list(const std::string& pattern) = 0;
    virtual void removeDirectory(const std::string& path) = 0;
    virtual void deleteFile(const std::string& path) = 0;
};

// Deletes the files in the directory and removes its subdirectories; with
// recurse the subdirectories are emptied first (one level). Links are removed
// as links and never entered. Empty paths and paths beginning with "." are
// left alone; failures are ignored.
void removeTreeIn(TreeFileSystem& fileSystem, const std::string& directory, bool recurse);
