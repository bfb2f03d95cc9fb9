// The choices the registry sources make between registered runtimes. Only
// here are runtimes ranked by version; the search itself goes by order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "jvmsearch/java_probe_rules.h"
#include "jvmsearch/version_rules.h"

// A "CurrentVersion" value as a pair step uses it: empty unless it was read
// and passes the lenient bounds.
std::string usableCurrentVersion(const std::optional<std::string>& value, const VersionParts& minimum,
                                 const VersionParts& maximum);

// The version subkey names worth probing, in the order they are probed:
// descending byte order ("9" before "11", "1.8.0_60" before "1.8.0_191").
std::vector<std::string> versionNamesToProbe(std::vector<std::string> names, const VersionParts& minimum,
                                             const VersionParts& maximum);

// A located runtime's executable: its subkey name with "/" for "\".
std::string locatedRuntimeExe(const std::string& keyName);

// With acceptAll clear only runtimes below an "ovn_jres" directory count.
bool locatedRuntimeEligible(const std::string& javaExe, bool acceptAll);

// The best located runtime so far is replaced only by a strictly newer one;
// a version without parts never becomes the best.
void keepNewestLocated(std::optional<JvmCandidate>& best, const JvmCandidate& candidate);

// The first when it is strictly newer, otherwise the second; either alone
// when the other is missing.
std::optional<JvmCandidate> newerOrSecond(const std::optional<JvmCandidate>& first,
                                          const std::optional<JvmCandidate>& second);
