#include "environment/temp_dir.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

#include "environment/included_files.h"
#include "environment/launcher_path.h"
#include "environment/path_tree.h"
#include "launcher/config_loader.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/win32/file_byte_source.h"
#include "launcher/win32/wide.h"

namespace {

uint64_t unextracted = 0;

// One number from 0 to 32767 per name, the generator seeded afresh each time.
int freshRandom() {
    srand(static_cast<unsigned>(time(nullptr)) * static_cast<unsigned>(GetCurrentProcessId()));
    return rand();
}

// Empty answers count as absent.
template <typename Char, typename Call>
std::optional<std::basic_string<Char>> query(Call call) {
    std::basic_string<Char> text = sizedQuery<Char>(call);
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::u16string> asU16(const std::optional<std::wstring>& text) {
    if (!text) return std::nullopt;
    return std::u16string(utf16(text->c_str()), text->size());
}

// ANSI and UTF-16 forms of the system calls the search needs.
struct AnsiSystem {
    using String = std::string;
    static std::optional<String> tempPath() {
        return query<char>([](char* b, DWORD n) { return GetTempPathA(n, b); });
    }
    static std::optional<String> variable(const char* name) {
        return query<char>([name](char* b, DWORD n) { return GetEnvironmentVariableA(name, b, n); });
    }
    static String windowsDirectory() {
        return query<char>([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); }).value_or(String());
    }
    static std::optional<String> longPath(const String& path) {
        return query<char>([&](char* b, DWORD n) { return GetLongPathNameA(path.c_str(), b, n); });
    }
    static bool createDirectory(const String& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
    static void removeDirectory(const String& path) { RemoveDirectoryA(path.c_str()); }
    static bool isUsableLongName(const String& longName) { return longName.find('?') == String::npos; }
};

struct WideSystem {
    using String = std::u16string;
    static std::optional<String> tempPath() {
        return asU16(query<wchar_t>([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); }));
    }
    static std::optional<String> variable(const char* name) {
        std::wstring wideName(name, name + strlen(name));
        return asU16(
            query<wchar_t>([&](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(wideName.c_str(), b, n); }));
    }
    static String windowsDirectory() {
        return asU16(query<wchar_t>([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); }))
            .value_or(String());
    }
    static std::optional<String> longPath(const String& path) {
        return asU16(query<wchar_t>([&](wchar_t* b, DWORD n) { return GetLongPathNameW(wide(path), b, n); }));
    }
    static bool createDirectory(const String& path) { return CreateDirectoryW(wide(path), nullptr) != 0; }
    static void removeDirectory(const String& path) { RemoveDirectoryW(wide(path)); }
    static bool isUsableLongName(const String& longName) { return longName.find(u'?') == String::npos; }
};

template <typename System>
bool tempDirProbe(const typename System::String& directory, bool createFirst, bool checkLongName) {
    if (directory.empty()) return false;
    if (createFirst) System::createDirectory(directory);
    if (checkLongName) {
        std::optional<typename System::String> longName = System::longPath(directory);
        if (longName && !System::isUsableLongName(*longName)) return false;
    }
    typename System::String probe = probeDirectoryName(directory, GetCurrentProcessId(), freshRandom());
    System::removeDirectory(probe);
    if (!System::createDirectory(probe)) return false;
    bool usable = pathExists(probe);
    System::removeDirectory(probe);
    return usable;
}

template <typename System>
typename System::String findTempDir() {
    auto candidates = tempDirCandidates<typename System::String>(
        System::tempPath(), System::variable("USERPROFILE"), System::variable("HOMEDRIVE"),
        System::variable("HOMEPATH"), System::windowsDirectory());
    for (const auto& candidate : candidates)
        if (tempDirProbe<System>(candidate.path, candidate.createFirst, candidate.checkLongName)) return candidate.path;
    return {};
}

// Owns the file handle: the file is closed when extraction is done with it.
class OwnedFileSink : public FileByteSink {
public:
    explicit OwnedFileSink(HANDLE file) : FileByteSink(file), file_(file) {}
    ~OwnedFileSink() override { CloseHandle(file_); }

private:
    HANDLE file_;
};

class FileSystemTarget : public ExtractionTarget {
public:
    bool createDirectory(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
    }
    std::unique_ptr<ByteSink> createFile(const std::string& path) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<OwnedFileSink>(file);
    }
};

class WindowsTree : public TreeFileSystem {
public:
    bool isLink(const std::string& path) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    }
    std::vector<TreeEntry> list(const std::string& pattern) override {
        std::vector<TreeEntry> entries;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return entries;
        do {
            entries.push_back({entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                               (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return entries;
    }
    void removeDirectory(const std::string& path) override { RemoveDirectoryA(path.c_str()); }
    void deleteFile(const std::string& path) override { DeleteFileA(path.c_str()); }
};

}  // namespace

std::string& launcherTempDir() {
    static std::string directory;
    return directory;
}

uint64_t unextractedPosition() { return unextracted; }

std::string getTempDirAnsi() {
    static std::string cached;
    if (cached.empty()) cached = findTempDir<AnsiSystem>();
    if (cached.empty()) fatalError(msgPowerUser);
    return cached;
}

std::u16string getTempDirWide(bool fatalIfNone) {
    static std::u16string cached;
    if (cached.empty()) cached = findTempDir<WideSystem>();
    if (cached.empty() && fatalIfNone) fatalError(msgPowerUser);
    return cached;
}

std::string makeTempFileName() {
    std::string directory = getTempDirAnsi();
    logLine(u"tempPath is %S", directory.c_str());
    char name[MAX_PATH + 1] = {};
    std::string result;
    if (GetTempFileNameA(directory.c_str(), "tsl", 0, name) != 0) {
        result = name;
    } else {
        logLine(u"GetTempFileName failed (last error %d)", static_cast<int>(GetLastError()));
        result = fallbackTempFileName(directory, freshRandom());
    }
    logLine(u"tempFile is %S", result.c_str());
    return result;
}

void createLauncherTempDir() {
    std::string& directory = launcherTempDir();
    for (int attempt = 0; attempt < 10; ++attempt) {
        directory = launcherTempDirName(makeTempFileName(), static_cast<int64_t>(time(nullptr)));
        logLine(u"Temp dir3: %S", directory.c_str());
        if (CreateDirectoryA(directory.c_str(), nullptr)) return;
        logLine(u"Could not create dir (%d)", static_cast<int>(GetLastError()));
    }
    directory.clear();
    fatalError(msgInternalError, u"7");
}

int extractIncludedFiles(bool createDir) {
    logLine(u"extracting files");
    int count = getConfigInt(settingIncludedFileCount);
    logLine(u"Included files: %d", count);
    if (count <= 0) {
        if (createDir) launcherTempDir().clear();
        return 0;
    }
    std::vector<std::string> names = includedFileNames(dupConfigString(settingIncludedFileNames), count);
    // Refused before the directory exists, so nothing at all is written for it.
    refuseUnsafeIncludedNames(names);
    if (createDir) createLauncherTempDir();

    HANDLE file = openLauncherFile();
    FileByteSource source(file);
    source.seek(extractionPosition());
    FileSystemTarget target;
    int result = extractIncludedFilesFrom(source, launcherTempDir(), names, target);
    if (result == 0) unextracted = source.position();
    CloseHandle(file);
    if (result == 0) logLine(u"extracting files done");
    return result;
}

void removeTree(const std::string& directory, bool recurse) {
    WindowsTree fileSystem;
    removeTreeIn(fileSystem, directory, recurse);
}
