// Writes a launcher configuration block exactly as the launcher reads it and
// appends it to a copy of the generic launcher executable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct LocaleBlock {
    std::string prefix;  // "de" matches "de_DE" and "de_AT"; "" matches every locale
    std::vector<std::pair<int32_t, std::u16string>> messages;
};

struct IncludedFile {
    std::string name;     // relative below the launcher's temporary directory
    std::string content;  // stored scrambled
};

struct LauncherConfiguration {
    std::vector<std::pair<int32_t, std::string>> settings;
    std::vector<std::pair<int32_t, std::u16string>> messages;
    std::vector<LocaleBlock> localeBlocks;
    // Settings 2002 and 2003 are derived from these unless set explicitly.
    std::vector<IncludedFile> includedFiles;

    // Replaces the value of an id already present, else appends it.
    LauncherConfiguration& set(int32_t id, std::string value);
    LauncherConfiguration& message(int32_t id, std::u16string text);
};

// The block with the included-files stream and the trailing marker, unpadded.
std::string writeConfigurationBlock(const LauncherConfiguration& config);

// Where the launcher looks for its block: the first byte after the raw data
// of the last section. None when the bytes are no PE image.
std::optional<uint64_t> configurationBlockOffset(std::string_view image);

// The launcher image (cut at the block offset), the block, and zero bytes up
// to a multiple of 512. Empty when the image is no PE image.
std::string makeLauncherFile(std::string_view launcherImage, const LauncherConfiguration& config);
