// The parts of a PE image the builder changes: its resource section and the
// header fields that describe it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "builder/resource_section.h"

class PeImage {
public:
    // The image up to the end of its last section's raw data (a tail such as
    // a block or padding is dropped); nothing when the bytes are no PE image
    // the builder can rebuild, with the reason in error.
    static std::optional<PeImage> parse(std::string_view file, std::string& error);

    bool is64Bit() const { return is64_; }
    // The tree of the resource data directory; empty when there is none.
    const ResourceTree& resources() const { return resources_; }

    // The image with a resource section for the tree as its last section:
    // the existing resource section is rewritten when it is the last one,
    // else a new section follows the last; the image size and the resource
    // directory follow, and the security directory is cleared.
    std::optional<std::string> withResources(const ResourceTree& tree, std::string& error) const;

private:
    std::string bytes_;
    size_t optionalHeader_ = 0, sectionTable_ = 0, dataDirectories_ = 0;
    uint32_t sectionCount_ = 0, dataDirectoryCount_ = 0;
    bool is64_ = false;
    ResourceTree resources_;
    std::optional<uint32_t> resourceSection_;  // index in the section table
};

// Sets the checksum field of the optional header to the PE checksum of the file.
void updatePeChecksum(std::string& file);
