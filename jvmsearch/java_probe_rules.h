// Judging one Java executable: its version comes from a per-user registry
// cache keyed by the executable's path and its last-write time, and only when
// that misses from running it with "-version".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "jvmsearch/version_rules.h"

// A Java executable path with its version text.
struct JvmCandidate {
    std::string javaExe;
    std::string version;
};

// Callers hold version texts in 2000-byte buffers.
constexpr size_t versionBufferSize = 2000;

// The cached version of an executable whose "-version" run failed; never a version.
constexpr const char* failedRunVersion = "1.0.0";

// "SOFTWARE\valdrin-works\tessel\jvms\" and the path with "/" for "\".
std::string versionCacheKey(const std::string& normalisedExe);

// The "LastWriteTime" value: the file time as 8 little-endian bytes.
std::string lastWriteTimeBytes(uint64_t fileTime);

// The "Version" value as read (with or without its terminator); nothing for
// a miss. A text that cannot fit a version buffer is a miss, so that the
// runtime is run again rather than its version cut.
std::optional<std::string> cachedVersionFromData(std::string_view data);

// The version of the first version line among the first lines of a
// "-version" run's output: lines such as "Picked up JAVA_TOOL_OPTIONS: ..."
// may come before it. Each line counts up to its 99th character.
std::optional<std::string> versionFromOutput(std::string_view output);

// The text between the quote of "java version \"" or "openjdk version \""
// and the next quote; nothing for other lines and for a line without its
// closing quote.
std::optional<std::string> versionFromVersionLine(std::string_view line);

// "...\java.exe" becomes "...\javaw.exe": the last four characters
// (".exe") are replaced by "w.exe".
std::string consolelessExe(const std::string& javaExe);

// What probing an executable needs from the system.
class ProbePlatform {
public:
    virtual ~ProbePlatform() = default;
    // Absolute, lower-cased, doubled backslashes collapsed.
    virtual std::string canonicalPath(const std::string& path) = 0;
    virtual bool findFile(const std::string& path, uint64_t* lastWrite) = 0;
    virtual bool pathExists(const std::string& path) = 0;
    virtual std::optional<std::string> readCachedVersion(const std::string& javaExe, uint64_t lastWrite) = 0;
    virtual void writeCachedVersion(const std::string& javaExe, uint64_t lastWrite, const std::string& version) = 0;
    virtual std::optional<std::string> runJavaVersion(const std::string& javaExe, uint64_t lastWrite) = 0;
};

// javaExe is normalised in place and may become the "javaw.exe" path.
bool checkJavaExeWith(ProbePlatform& platform, std::string& javaExe, std::string& version,
                      const VersionParts& minimum, const VersionParts& maximum, bool allowBeta, bool useCache);

// The executable to probe for a Java home; false when a JDK is required and
// the home has no "\lib\tools.jar".
bool javaExeForHomeWith(ProbePlatform& platform, std::string& javaExe, const std::string& home);
