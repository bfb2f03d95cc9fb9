#include "jvmsearch/registry_choice.h"

#include <algorithm>

std::string usableCurrentVersion(const std::optional<std::string>& value, const VersionParts& minimum,
                                 const VersionParts& maximum) {
    if (!value || !checkVersionRulesLenient(*value, minimum, maximum)) return {};
    return *value;
}

std::vector<std::string> versionNamesToProbe(std::vector<std::string> names, const VersionParts& minimum,
                                             const VersionParts& maximum) {
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& name) {
                                   return !checkVersionRulesLenient(name, minimum, maximum);
                               }),
                names.end());
    // Byte-wise, as unsigned bytes: std::string's comparison uses char_traits<char>,
    // which compares as unsigned char.
    std::sort(names.begin(), names.end());
    std::reverse(names.begin(), names.end());
    return names;
}

std::string locatedRuntimeExe(const std::string& keyName) {
    std::string path = keyName;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool locatedRuntimeEligible(const std::string& javaExe, bool acceptAll) {
    return acceptAll || javaExe.find("ovn_jres") != std::string::npos;
}

void keepNewestLocated(std::optional<JvmCandidate>& best, const JvmCandidate& candidate) {
    if (isNewerVersion(candidate.version, best ? best->version : std::string())) best = candidate;
}

std::optional<JvmCandidate> newerOrSecond(const std::optional<JvmCandidate>& first,
                                          const std::optional<JvmCandidate>& second) {
    if (first && second) return isNewerVersion(first->version, second->version) ? first : second;
    return first ? first : second;
}
