// Java version texts as lists of numbers: parsing, the configured minimum and
// maximum bounds, the beta rule and the "newer than" order. Comparisons are
// numeric, part by part; version texts are never compared as strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The numbers of a version text; empty for an absent or empty text.
using VersionParts = std::vector<int32_t>;

// Parts split at ".", "_", "-" and "+"; each part read as atoi reads it
// (clamped to 32 bits), so "9-ea" gives 9, 0. nullptr gives no parts.
VersionParts parseVersion(const char* text);
VersionParts parseVersion(const std::string& text);

// True when version satisfies bound; an empty bound always holds. Only as
// many parts are compared as the bound has, so both bounds are inclusive.
// A part the version lacks counts as 0 in the strict test and makes the
// bound hold at once in the lenient one.
bool boundHolds(const VersionParts& bound, const VersionParts& version, bool isMaximum,
                bool lenient);

// For the version a runtime reports about itself. Unless allowBeta or
// setting 130 is set, a text containing "beta", "ea" or "rc" is refused.
bool checkVersionRules(const char* version, const VersionParts& minimum,
                       const VersionParts& maximum, bool allowBeta);
bool checkVersionRules(const std::string& version, const VersionParts& minimum,
                       const VersionParts& maximum, bool allowBeta);

// For version names listed in the registry, before the runtime is probed;
// no beta rule.
bool checkVersionRulesLenient(const char* version, const VersionParts& minimum,
                              const VersionParts& maximum);
bool checkVersionRulesLenient(const std::string& version, const VersionParts& minimum,
                              const VersionParts& maximum);

// True when a is strictly newer than b: 1.8.0 is newer than 1.8, anything
// with parts is newer than an empty text, equal versions are not.
bool isNewerVersion(const char* a, const char* b);
bool isNewerVersion(const std::string& a, const std::string& b);
