#include "jvmsearch/java_probe.h"

#include <windows.h>

#include <cstring>

#include "environment/launcher_path.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/child_process.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/registry.h"

namespace {

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
    RegistryKey key = openRegistryKey(HKEY_CURRENT_USER, versionCacheKey(javaExe).c_str());
    if (!key) return std::nullopt;
    char time[8];
    std::string expected = lastWriteTimeBytes(lastWrite);
    if (!queryRegistryFixed(key.get(), "LastWriteTime", time, sizeof time) || std::memcmp(time, expected.data(), 8) != 0)
        return std::nullopt;
    std::optional<std::string> data = queryRegistryString(key.get(), "Version");
    if (!data) return std::nullopt;
    return cachedVersionFromData(*data);
}

void writeCachedVersion(const std::string& javaExe, uint64_t lastWrite, const std::string& version) {
    RegistryKey key = createRegistryKey(HKEY_CURRENT_USER, versionCacheKey(javaExe).c_str());
    if (!key) return;
    std::string time = lastWriteTimeBytes(lastWrite);
    RegSetValueExA(key.get(), "LastWriteTime", 0, REG_BINARY, reinterpret_cast<const BYTE*>(time.data()), 8);
    RegSetValueExA(key.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.data()),
                   static_cast<DWORD>(version.size()));
}

std::optional<std::string> runJavaVersion(const std::string& javaExe, uint64_t lastWrite) {
    return runJavaVersionWithin(javaExe, lastWrite, versionRunLimitMs);
}

// The output comes through a pipe: no file is left behind, whatever happens.
std::optional<std::string> runJavaVersionWithin(const std::string& javaExe, uint64_t lastWrite,
                                                unsigned long timeoutMs) {
    ChildProcess child;
    child.program = fromAnsi(javaExe).value_or(widenBytes(javaExe));
    child.arguments = u"-version";
    child.captureOutput = true;
    child.timeoutMs = timeoutMs;
    ChildResult run = runChildProcess(child);
    if (!run.started) {
        logLine(u"Could not create process %S -version (error %d)", javaExe.c_str(), static_cast<int>(run.startError));
        return std::nullopt;
    }
    if (!run.finished) {
        logLine(u"Terminating process");
        return std::nullopt;
    }
    logLine(u"Exit Code %d", static_cast<int>(run.exitCode));
    if (run.exitCode != 0) {
        writeCachedVersion(javaExe, lastWrite, failedRunVersion);
        return std::nullopt;
    }
    std::optional<std::string> version = versionFromOutput(run.output);
    if (version) logLine(u"Java version: %S", version->c_str());
    return version;
}
