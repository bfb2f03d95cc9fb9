// Removing the launcher's temporary directory at exit, over a small view of
// the file system in which every entry is judged and removed through one
// open handle, so that nothing can be swapped for a link in between.
#pragma once

#include <memory>
#include <string>
#include <vector>

// An entry opened without following links. While it is open, others can
// neither rename nor delete it, so its path keeps naming it.
class TreeNode {
public:
    virtual ~TreeNode() = default;
    virtual bool isDirectory() const = 0;
    // A junction or symbolic link: its target lies elsewhere.
    virtual bool isLink() const = 0;
    // The names in the directory, without "." and "..".
    virtual std::vector<std::u16string> list() = 0;
    // Deletes the entry itself (a link as a link) once the node is closed;
    // a directory must be empty by then. Failures are ignored.
    virtual void remove() = 0;
};

class TreeFileSystem {
public:
    virtual ~TreeFileSystem() = default;
    // An empty pointer when the entry cannot be opened.
    virtual std::unique_ptr<TreeNode> open(const std::u16string& path) = 0;
};

// Removes the directory with its files and subdirectories, two levels deep
// (what extraction makes). Links are removed as links and never entered;
// a directory that is itself a link is left alone, as are empty paths and
// paths beginning with ".".
void removeTreeIn(TreeFileSystem& fileSystem, const std::u16string& directory);
