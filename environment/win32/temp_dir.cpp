#include "environment/temp_dir.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>
#include <optional>

#include "environment/launcher_path.h"
#include "environment/temp_dir_names.h"
#include "environment/win32/private_security.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/wide.h"

namespace {

std::string launcherTempDirectory;

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

// ANSI and UTF-16 forms of the system calls the search needs.
struct AnsiSystem {
    using String = std::string;
    static std::optional<String> tempPath() {
        return query<char>([](char* b, DWORD n) { return GetTempPathA(n, b); });
    }
    static std::optional<String> variable(const char* name) {
        return query<char>([name](char* b, DWORD n) { return GetEnvironmentVariableA(name, b, n); });
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
        return query<char16_t>([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); });
    }
    static std::optional<String> variable(const char* name) {
        std::u16string wideName = widenBytes(name);
        return query<char16_t>([&](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(wide(wideName), b, n); });
    }
    static std::optional<String> longPath(const String& path) {
        return query<char16_t>([&](wchar_t* b, DWORD n) { return GetLongPathNameW(wide(path), b, n); });
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
        System::variable("HOMEPATH"));
    for (const auto& candidate : candidates)
        if (tempDirProbe<System>(candidate.path, candidate.createFirst, candidate.checkLongName)) return candidate.path;
    return {};
}

}  // namespace

const std::string& launcherTempDir() { return launcherTempDirectory; }

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
    SECURITY_ATTRIBUTES* currentUserOnly = privateSecurityAttributes();
    for (int attempt = 0; currentUserOnly && attempt < 10; ++attempt) {
        std::string reservedName = makeTempFileName();
        std::string directory = launcherTempDirName(reservedName, static_cast<int64_t>(time(nullptr)));
        logLine(u"Temp dir3: %S", directory.c_str());
        // Fails when the name exists: what someone else made is never taken
        // over, so the directory is unique without the file that gave its name.
        bool created = CreateDirectoryA(directory.c_str(), currentUserOnly);
        DeleteFileA(reservedName.c_str());
        if (created) {
            launcherTempDirectory = directory;
            return;
        }
        logLine(u"Could not create dir (%d)", static_cast<int>(GetLastError()));
    }
    fatalError(msgInternalError, u"7");
}
