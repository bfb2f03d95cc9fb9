#include "jvmsearch/java_probe.h"

#include <windows.h>

#include <cstring>

#include "environment/launcher_path.h"
#include "environment/temp_dir.h"
#include "launcher/log.h"

namespace {

constexpr DWORD pathBuffer = 6000;
constexpr DWORD cachedVersionLimit = 6000;
constexpr DWORD versionRunLimitMs = 60000;

class Win32ProbePlatform : public ProbePlatform {
public:
    std::string canonicalPath(const std::string& path) override { return ::canonicalPath(path, false); }
    bool findFile(const std::string& path, uint64_t* lastWrite) override { return ::findFile(path, lastWrite); }
    bool pathExists(const std::string& path) override { return ::pathExists(path); }
    std::optional<std::string> readCachedVersion(const std::string& javaExe, uint64_t lastWrite) override {
        return ::readCachedVersion(javaExe, lastWrite);
    }
    void writeCachedVersion(const std::string& javaExe, uint64_t lastWrite, const std::string& version) override {
        ::writeCachedVersion(javaExe, lastWrite, version);
    }
    std::optional<std::string> runJavaVersion(const std::string& javaExe, uint64_t lastWrite) override {
        return ::runJavaVersion(javaExe, lastWrite);
    }
};

std::string versionCommandLine(const std::string& javaExe) {
    char shortName[pathBuffer];
    DWORD n = GetShortPathNameA(javaExe.c_str(), shortName, pathBuffer);
    if (n > 0 && n < pathBuffer) return std::string(shortName, n) + " -version";
    logLine(u"Could not get short path name for %S", javaExe.c_str());
    // Unquoted, a path with blanks would start whatever its first word names.
    if (javaExe.find(' ') != std::string::npos) return "\"" + javaExe + "\" -version";
    return javaExe + " -version";
}

// The start of the file: enough for a first line of 99 characters.
std::string readFileStart(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char buffer[512];
    DWORD got = 0;
    std::string bytes;
    if (ReadFile(file, buffer, sizeof buffer, &got, nullptr)) bytes.assign(buffer, got);
    CloseHandle(file);
    return bytes;
}

}  // namespace

bool checkJavaExe(std::string& javaExe, std::string& version, const VersionParts& minimum,
                  const VersionParts& maximum, bool allowBeta, bool useCache) {
    Win32ProbePlatform platform;
    return checkJavaExeWith(platform, javaExe, version, minimum, maximum, allowBeta, useCache);
}

bool javaExeForHome(std::string& javaExe, const std::string& home) {
    Win32ProbePlatform platform;
    return javaExeForHomeWith(platform, javaExe, home);
}

std::optional<std::string> readCachedVersion(const std::string& javaExe, uint64_t lastWrite) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, versionCacheKey(javaExe).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::optional<std::string> result;
    BYTE time[8];
    DWORD size = sizeof time;
    std::string expected = lastWriteTimeBytes(lastWrite);
    if (RegQueryValueExA(key, "LastWriteTime", nullptr, nullptr, time, &size) == ERROR_SUCCESS && size == 8 &&
        std::memcmp(time, expected.data(), 8) == 0) {
        std::string data(cachedVersionLimit, '\0');
        size = cachedVersionLimit;
        if (RegQueryValueExA(key, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size) ==
            ERROR_SUCCESS) {
            data.resize(size);
            result = cachedVersionFromData(data);
        }
    }
    RegCloseKey(key);
    return result;
}

void writeCachedVersion(const std::string& javaExe, uint64_t lastWrite, const std::string& version) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, versionCacheKey(javaExe).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    std::string time = lastWriteTimeBytes(lastWrite);
    RegSetValueExA(key, "LastWriteTime", 0, REG_BINARY, reinterpret_cast<const BYTE*>(time.data()), 8);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.data()),
                   static_cast<DWORD>(version.size()));
    RegCloseKey(key);
}

std::optional<std::string> runJavaVersion(const std::string& javaExe, uint64_t lastWrite) {
    return runJavaVersionWithin(javaExe, lastWrite, versionRunLimitMs);
}

std::optional<std::string> runJavaVersionWithin(const std::string& javaExe, uint64_t lastWrite,
                                                unsigned long timeoutMs) {
    std::string commandLine = versionCommandLine(javaExe);
    std::string tempFile = makeTempFileName();
    HANDLE errorFile = nullptr;
    HANDLE created = CreateFileA(tempFile.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE) {
        if (!DuplicateHandle(GetCurrentProcess(), created, GetCurrentProcess(), &errorFile, 0, TRUE,
                             DUPLICATE_SAME_ACCESS))
            errorFile = nullptr;
        CloseHandle(created);
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdError = errorFile;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process)) {
        logLine(u"Could not create process %S > %S (error %d)", commandLine.c_str(), tempFile.c_str(),
                static_cast<int>(GetLastError()));
        if (errorFile) CloseHandle(errorFile);
        DeleteFileA(tempFile.c_str());
        return std::nullopt;
    }

    WaitForSingleObject(process.hProcess, timeoutMs);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    logLine(u"Exit Code %d", static_cast<int>(exitCode));
    if (exitCode == STILL_ACTIVE) {
        logLine(u"Terminating process");
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);  // lets go of the file so it can be deleted
    } else if (exitCode != 0) {
        writeCachedVersion(javaExe, lastWrite, failedRunVersion);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (errorFile) CloseHandle(errorFile);
    if (exitCode != 0) {
        DeleteFileA(tempFile.c_str());
        return std::nullopt;
    }

    std::optional<std::string> version = versionFromVersionLine(firstOutputLine(readFileStart(tempFile)));
    DeleteFileA(tempFile.c_str());
    if (version) logLine(u"Java version: %S", version->c_str());
    return version;
}
