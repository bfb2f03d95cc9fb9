// Everything a configuration file asks the builder to make: the block, the
// resources and where the launcher file goes.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "builder/config_block_writer.h"
#include "builder/version_info.h"

struct BuildInput {
    std::string arch = "x64";  // chooses the launcher template
    std::string output;        // path of the launcher file
    std::map<int32_t, std::string> settings;
    // Message texts by locale prefix ("en": the base messages), UTF-8.
    std::map<std::string, std::map<int32_t, std::string>> messages;
    std::vector<IncludedFile> includedFiles;
    std::map<int, std::string> splashImages;  // k -> image bytes, for resource 10000 + k
    std::string icon;                         // .ico bytes; empty for none
    std::optional<VersionInfo> version;
    std::string executionLevel;  // empty: the template's manifest stays as it is
};

// A configuration problem, with the file and the line in its text.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a file named by a UTF-8 path; nothing when it cannot be read
// or is a directory.
std::optional<std::string> readWholeFile(const std::string& path);
// The same; throws BuildError "PATH: cannot read the file" when it cannot.
std::string readFileOrThrow(const std::string& path);

// The block the launcher reads: the settings sorted by id, the English
// messages as the base table and the other locales as blocks, the more
// specific prefix after the shorter one, so that it wins.
LauncherConfiguration launcherConfiguration(const BuildInput& input);
