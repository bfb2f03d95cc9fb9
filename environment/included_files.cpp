#include "environment/included_files.h"

#include <set>

#include "environment/path_rules.h"
#include "launcher/config_readers.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperAscii(std::string text) {
    for (char& c : text) c = upper(c);
    return text;
}

// The check takes "/" and "\" alike, so extraction must too.
std::string withBackslashes(std::string name) {
    for (char& c : name)
        if (c == '/') c = '\\';
    return name;
}

// CON, NUL, COM1 and the like name devices in every directory, with any extension.
bool isDeviceName(const std::string& component) {
    std::string stem = upperAscii(component.substr(0, component.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem == device) return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// The system drops trailing dots and spaces, so "..", ". ." and "..." all
// risk meaning something other than a plain name.
bool isOnlyDotsAndSpaces(const std::string& component) {
    return component.find_first_not_of(". ") == std::string::npos;
}

}  // namespace

std::vector<std::string> includedFileNames(const std::string& nameList, int count) {
    std::vector<std::string> names = splitList(nameList, ';');
    if (count < 0) count = 0;
    if (names.size() > static_cast<size_t>(count)) names.resize(count);
    return names;
}

bool isSafeIncludedName(const std::string& name) {
    if (name.find(':') != std::string::npos) return false;
    int levels = 0;
    size_t start = 0;
    while (true) {
        size_t end = name.find_first_of("\\/", start);
        std::string component = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (isOnlyDotsAndSpaces(component) || isDeviceName(component)) return false;  // also "" and leading "\"
        for (char c : component)
            if (static_cast<unsigned char>(c) < 0x20 || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
                c == '|')
                return false;
        if (end == std::string::npos) return true;
        if (++levels > 1) return false;
        start = end + 1;
    }
}

void refuseUnsafeIncludedNames(const std::vector<std::string>& names) {
    // Names come from the launcher file: none may reach outside the directory.
    for (const std::string& name : names)
        if (!isSafeIncludedName(name)) {
            logError(u"refusing included file name %S", name.c_str());
            fatalError(msgInternalError, u"11");
        }
}

std::optional<std::string> includedFileDirectory(const std::string& name) {
    size_t slash = name.find('\\');
    if (slash == std::string::npos) return std::nullopt;
    return name.substr(0, slash);
}

int extractIncludedFilesFrom(ByteSource& source, const std::string& directory, const std::vector<std::string>& names,
                             ExtractionTarget& target) {
    if (directory.empty() && !names.empty()) fatalError(msgInternalError, u"11");
    refuseUnsafeIncludedNames(names);
    std::set<std::string> createdDirectories;  // upper case: the file system ignores case
    for (const std::string& listed : names) {
        std::string name = withBackslashes(listed);
        std::string path = joinPath(directory, name);
        if (std::optional<std::string> sub = includedFileDirectory(name)) {
            std::string subPath = joinPath(directory, *sub);
            if (createdDirectories.insert(upperAscii(*sub)).second) {
                logLine(u"creating directory %S", subPath.c_str());
                if (!target.createDirectory(subPath)) {
                    logError(u"failed to create directory %S", subPath.c_str());
                    fatalError(msgInternalError, u"11");
                }
            }
        }
        int64_t size = readLong(source);
        logLine(u"extracting %S (size: %I64d)", path.c_str(), static_cast<long long>(size));
        if (size <= 0) continue;
        std::unique_ptr<ByteSink> file = target.createFile(path);
        if (!file) fatalError(msgInternalError, u"11");
        int result = copyBytes(source, *file, size, true);
        if (result != copyOk) {
            logError(u"Failed to extract %S", path.c_str());
            return result;
        }
    }
    return 0;
}
