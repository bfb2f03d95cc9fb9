// The configuration file of a launcher file (TOML) and its table of keys,
// which the parser, --explain and the reference documentation share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "builder/build_input.h"

struct ConfigKey {
    const char* name;         // dotted; "[]." separates an array of tables from its keys
    const char* type;         // as the reference documents it
    int32_t setting;          // the setting it writes first, 0 for none
    const char* description;
};

// Every key the parser accepts, in reference order; "messages.<locale>.<id>"
// and "raw.<id>" stand for their families.
const std::vector<ConfigKey>& configKeys();

// The key that writes the setting, or nullptr.
const ConfigKey* keyForSetting(int32_t id);

// Reads the file; paths in it are relative to its directory. Throws
// BuildError ("FILE:LINE: ...") for every problem it finds first.
BuildInput readConfigurationFile(const std::string& path);
// The same for text already read; path names it in errors and resolves paths.
BuildInput readConfigurationText(const std::string& text, const std::string& path);
