#include "environment/process_setup.h"

std::u16string pathWithNativeDirectories(const std::vector<std::u16string>& directories, const std::u16string& oldPath) {
    std::u16string path;
    for (size_t i = 0; i < directories.size(); ++i) {
        if (i > 0) path += u';';
        path += directories[i];
    }
    if (!path.empty() && path.back() != u';') path += u';';
    return path + oldPath;
}
