#include "environment/path_tree.h"

#include "environment/path_rules.h"
#include "launcher/log.h"

namespace {

// Empties the open directory, levels deep below it, then removes it.
void removeDirectory(TreeFileSystem& fileSystem, TreeNode& directory, const std::u16string& path, int levels) {
    if (levels > 0) {
        logLine(u"emptying %s", path.c_str());
        for (const std::u16string& name : directory.list()) {
            std::u16string entryPath = joinPath(path, name);
            std::unique_ptr<TreeNode> entry = fileSystem.open(entryPath);
            if (!entry) continue;
            if (entry->isDirectory() && !entry->isLink()) {
                removeDirectory(fileSystem, *entry, entryPath, levels - 1);
            } else {
                logLine(u"attempting to delete %s", entryPath.c_str());
                entry->remove();
            }
        }
    }
    logLine(u"attempting to remove %s", path.c_str());
    directory.remove();
}

}  // namespace

void removeTreeIn(TreeFileSystem& fileSystem, const std::u16string& directory) {
    if (directory.empty() || directory[0] == u'.') return;
    std::unique_ptr<TreeNode> top = fileSystem.open(directory);
    if (!top || !top->isDirectory() || top->isLink()) return;
    removeDirectory(fileSystem, *top, directory, 2);
}
