// The version resource (VS_VERSIONINFO) that Explorer shows in a file's
// properties.
#pragma once

#include <map>
#include <optional>
#include <string>

struct VersionInfo {
    std::string fileVersion = "0.0.0.0";     // up to four numbers of at most 65535
    std::string productVersion = "0.0.0.0";
    // Version strings by name ("CompanyName", "FileDescription", ...), UTF-8.
    std::map<std::string, std::string> strings;
};

// Up to four dot-separated numbers of at most 65535, as the high and low
// double words of the fixed file information; nothing when malformed.
std::optional<std::pair<uint32_t, uint32_t>> parseFileVersion(const std::string& text);

// The resource bytes, US English with Unicode strings; the versions must parse.
std::string writeVersionResource(const VersionInfo& info);
