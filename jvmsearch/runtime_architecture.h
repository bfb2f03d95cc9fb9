// Whether a runtime is one this launcher can load. Only the registry
// sources ask: they rank runtimes, and a newer runtime of the other
// architecture must not win over an older one that loads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The machine field of a PE image's file header, read from the image's
// first bytes; nothing when they do not hold a PE header.
std::optional<uint16_t> peMachine(std::string_view imageStart);

// False, with a log line, when javaExe is a program for another machine than
// the launcher's. A file that cannot be read is left to the probe.
bool runtimeFitsLauncher(const std::string& javaExe);
