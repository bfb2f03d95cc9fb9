// From a BuildInput and the generic launcher to the bytes of a launcher file.
#pragma once

#include <string>
#include <string_view>

#include "builder/build_input.h"

// The launcher file: the template's image with the resources of the input
// (splash images, icon, version information, execution level) in a rebuilt
// resource section, the block after the image, zero padding to 512 bytes and
// the PE checksum. Throws BuildError when the template is unusable.
std::string buildLauncherFile(std::string_view launcherTemplate, const BuildInput& input);

// Writes through a temporary file in the same directory and a rename, so
// that a failure never leaves a half-written file. Throws BuildError.
void writeFileAtomically(const std::string& path, const std::string& bytes);
