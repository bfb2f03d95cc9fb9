// Path helpers that ask the system: absolute forms, resolution against the
// launcher directory, canonical forms and existence.
#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/path_rules.h"
#include "launcher/text.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/wide.h"

namespace {

template <typename Data>
uint64_t lastWriteOf(const Data& entry) {
    return (static_cast<uint64_t>(entry.ftLastWriteTime.dwHighDateTime) << 32) | entry.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

std::string fullPathName(const std::string& path) {
    return sizedQuery<char>([&](char* b, DWORD n) { return GetFullPathNameA(path.c_str(), n, b, nullptr); });
}

std::u16string fullPathName(const std::u16string& path) {
    return sizedQuery<char16_t>([&](wchar_t* b, DWORD n) { return GetFullPathNameW(wide(path), n, b, nullptr); });
}

std::string resolveAgainstLauncherDir(const std::string& path, const std::string* referenceFile) {
    std::string resolved = path;
    if (isRelativePath(path)) {
        std::string directory = referenceFile ? directoryPart(fullPathName(*referenceFile)) : launcherDirectories().ansi;
        resolved = directory + path;
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::u16string resolveAgainstLauncherDirWide(const std::u16string& path, bool useAnsiDirectory,
                                             const std::u16string* referenceFile) {
    std::u16string resolved = path;
    if (isRelativePath(path)) {
        std::u16string directory;
        if (referenceFile) {
            directory = directoryPart(fullPathName(*referenceFile));
        } else {
            directory = useAnsiDirectory ? launcherDirectories().fromAnsi : launcherDirectories().wide;
        }
        resolved = directory + path;
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::string canonicalPath(const std::string& path, bool keepCase) {
    std::string resolved = resolveAgainstLauncherDir(path);
    std::string full = fullPathName(resolved);
    if (!full.empty()) resolved = full;
    if (!keepCase) {
        // Through UTF-16, so trail bytes of double-byte code pages stay as they are.
        if (std::optional<std::u16string> text = fromAnsi(resolved)) {
            lowerAsciiLetters(*text);
            bool replaced = false;
            std::string lowered = toAnsi(*text, &replaced);
            if (!replaced) resolved = lowered;
        }
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::u16string canonicalPathWide(const std::u16string& path, bool keepCase) {
    std::u16string resolved = resolveAgainstLauncherDirWide(path, false);
    std::u16string full = fullPathName(resolved);
    if (!full.empty()) resolved = full;
    if (!keepCase) lowerAsciiLetters(resolved);
    collapseBackslashes(resolved);
    return resolved;
}

bool findFile(const std::string& path, uint64_t* lastWrite) {
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA(path.c_str(), &entry));
    if (!find) return false;
    if (lastWrite) *lastWrite = lastWriteOf(entry);
    return true;
}

bool findFile(const std::u16string& path, uint64_t* lastWrite) {
    WIN32_FIND_DATAW entry;
    FindHandle find(FindFirstFileW(wide(path), &entry));
    if (!find) return false;
    if (lastWrite) *lastWrite = lastWriteOf(entry);
    return true;
}

std::optional<std::string> readFileBytes(const std::u16string& path) {
    Handle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

std::vector<std::string> findFileNames(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(entry.cFileName);
    } while (FindNextFileA(find.get(), &entry));
    return names;
}

bool pathExists(const std::string& path) { return isDriveRootText(widenBytes(path)) || findFile(path); }
bool pathExists(const std::u16string& path) { return isDriveRootText(path) || findFile(path); }

void collapseBackslashes(std::string& path) {
    std::u16string text = fromAnsi(path).value_or(std::u16string());
    if (text.empty()) return;
    collapseBackslashes(text);
    bool replaced = false;
    std::string back = toAnsi(text, &replaced);
    if (!replaced) path = back;
}
