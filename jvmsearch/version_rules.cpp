#include "jvmsearch/version_rules.h"

#include <cstring>

#include "launcher/config_store.h"
#include "launcher/log.h"

namespace {

const char versionSeparators[] = "._-+";

bool isSeparator(char c) {
    return c != '\0' && std::strchr(versionSeparators, c) != nullptr;
}

bool looksLikeBeta(const char* version) {
    return std::strstr(version, "beta") != nullptr || std::strstr(version, "ea") != nullptr ||
           std::strstr(version, "rc") != nullptr;
}

}  // namespace

VersionParts parseVersion(const char* text) {
    VersionParts parts;
    if (text == nullptr) return parts;
    const char* p = text;
    while (*p != '\0') {
        while (isSeparator(*p)) ++p;
        if (*p == '\0') break;
        const char* start = p;
        while (*p != '\0' && !isSeparator(*p)) ++p;
        // Read as atoi reads it: sign, digits, saturating at 32 bits.
        parts.push_back(parseDecimal(std::string(start, p)));
    }
    return parts;
}

VersionParts parseVersion(const std::string& text) {
    return parseVersion(text.c_str());
}

bool boundHolds(const VersionParts& bound, const VersionParts& version, bool isMaximum,
                bool lenient) {
    for (size_t i = 0; i < bound.size(); ++i) {
        int32_t part = 0;
        if (i < version.size()) {
            part = version[i];
        } else if (lenient) {
            return true;
        }
        if (part == bound[i]) continue;
        return isMaximum ? part < bound[i] : part > bound[i];
    }
    return true;
}

bool checkVersionRules(const char* version, const VersionParts& minimum,
                       const VersionParts& maximum, bool allowBeta) {
    const char* text = version != nullptr ? version : "";
    if (!allowBeta && getConfigInt(settingAllowBeta) == 0 && looksLikeBeta(text)) {
        logLine(u"beta vm not allowed");
        return false;
    }
    const VersionParts parts = parseVersion(text);
    return boundHolds(minimum, parts, false, false) && boundHolds(maximum, parts, true, false);
}

bool checkVersionRules(const std::string& version, const VersionParts& minimum,
                       const VersionParts& maximum, bool allowBeta) {
    return checkVersionRules(version.c_str(), minimum, maximum, allowBeta);
}

bool checkVersionRulesLenient(const char* version, const VersionParts& minimum,
                              const VersionParts& maximum) {
    const VersionParts parts = parseVersion(version);
    return boundHolds(minimum, parts, false, true) && boundHolds(maximum, parts, true, true);
}

bool checkVersionRulesLenient(const std::string& version, const VersionParts& minimum,
                              const VersionParts& maximum) {
    return checkVersionRulesLenient(version.c_str(), minimum, maximum);
}

bool isNewerVersion(const char* a, const char* b) {
    const VersionParts first = parseVersion(a);
    const VersionParts second = parseVersion(b);
    for (size_t i = 0; i < first.size(); ++i) {
        if (i >= second.size()) return true;
        if (first[i] != second[i]) return first[i] > second[i];
    }
    return false;
}

bool isNewerVersion(const std::string& a, const std::string& b) {
    return isNewerVersion(a.c_str(), b.c_str());
}
