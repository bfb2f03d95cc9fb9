// Probing Java executables on the real system: the version cache in the
// current user's registry and the "-version" run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "jvmsearch/java_probe_rules.h"
#include "jvmsearch/version_rules.h"

// javaExe is normalised in place and may become the "javaw.exe" path.
bool checkJavaExe(std::string& javaExe, std::string& version, const VersionParts& minimum,
                  const VersionParts& maximum, bool allowBeta, bool useCache);
bool javaExeForHome(std::string& javaExe, const std::string& home);

// The cached version when the entry matches the executable's last-write time.
std::optional<std::string> readCachedVersion(const std::string& javaExe, uint64_t lastWrite);
// Silent when the key cannot be written.
void writeCachedVersion(const std::string& javaExe, uint64_t lastWrite, const std::string& version);
// The version from the first line of "javaExe -version" (waited for at most
// a minute); a run that exits with an error is cached as failedRunVersion.
std::optional<std::string> runJavaVersion(const std::string& javaExe, uint64_t lastWrite);
// The same with another time limit; the child is terminated past it.
std::optional<std::string> runJavaVersionWithin(const std::string& javaExe, uint64_t lastWrite,
                                                unsigned long timeoutMs);
