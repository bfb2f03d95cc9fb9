#include "environment/path_tree.h"

#include "environment/path_rules.h"
#include "launcher/log.h"

void removeTreeIn(TreeFileSystem& fileSystem, const std::string& directory, bool recurse) {
    if (directory.empty() || directory[0] == '.') return;
    if (fileSystem.isLink(directory)) return;
    logLine(u"emptying %S", directory.c_str());
    for (const TreeEntry& entry : fileSystem.list(joinPath(directory, "*.*"))) {
        if (entry.name == "." || entry.name == "..") continue;
        std::string path = joinPath(directory, entry.name);
        if (entry.isDirectory) {
            logLine(u"attempting to remove %S (%d)", path.c_str(), recurse ? 1 : 0);
            if (recurse && !entry.isLink) removeTreeIn(fileSystem, path, false);
            fileSystem.removeDirectory(path);
        } else {
            logLine(u"attempting to delete %S", path.c_str());
            fileSystem.deleteFile(path);
        }
    }
}
