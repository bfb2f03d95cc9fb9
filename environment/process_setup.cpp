#include "environment/process_setup.h"

std::vector<std::string> splitPathList(const std::string& list) {
    std::vector<std::string> elements;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) elements.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return elements;
}

std::u16string pathWithNativeDirectories(const std::vector<std::u16string>& directories, const std::u16string& oldPath) {
    std::u16string path;
    for (size_t i = 0; i < directories.size(); ++i) {
        if (i > 0) path += u';';
        path += directories[i];
    }
    if (!path.empty() && path.back() != u';') path += u';';
    return path + oldPath;
}
