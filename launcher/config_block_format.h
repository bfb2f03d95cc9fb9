// Constants of the launcher configuration block, shared by the launcher's
// readers and the builder that writes the block.
#pragma once

#include <cstdint>

// The block's first field.
constexpr uint32_t configBlockMagic = 0xE8E413D5;
// The magic in the opposite byte order: it follows the last locale block when
// no files are included, and ends the bare launcher, which has no block.
constexpr uint32_t blockEndMarker = 0xD513E4E8;
// Every byte of an included file is stored XOR-ed with it.
constexpr unsigned char scrambleMask = 0xA7;
