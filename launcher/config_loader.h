// Reading the launcher configuration block from the launcher's own file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "launcher/byte_source.h"
#include "launcher/config_block_format.h"

// Moves the source to the first byte after the last section's raw data.
void locateConfigurationBlock(ByteSource& source);

// True when the first strlen(prefix) characters of the locale equal the prefix.
bool localePrefixMatches(std::string_view prefix, std::string_view locale);

// Reads the block at the source's position into configStore() and
// messageTable(). detectLocale runs between the base messages and the locale
// blocks. Records the extraction position; returns setting 107 and enters
// quiet mode unless it is 1 or 5.
int loadConfigurationFrom(ByteSource& source, const std::function<std::string()>& detectLocale);

// Where the included files begin: the position behind the last locale block.
uint64_t extractionPosition();
