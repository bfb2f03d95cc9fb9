// The launcher system properties: "-D" options that tell the Java side about
// the launcher process. The VM receives them before every other option.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SystemPropertyInputs {
    std::optional<std::string> semaphoreName;  // the instance semaphore, when one exists
    char flavour = 0;
    std::string launcherPath;                  // ANSI
    std::string launcherTempDir;               // empty when none
    uint64_t unextractedPosition = 0;
    bool languageRestart = false;              // the position is then -1
    std::string path;                          // PATH, empty when absent
    bool manpathDefined = false;               // the console code page is then left out
    unsigned consoleCodePage = 0;
};

std::vector<std::string> launcherSystemProperties(const SystemPropertyInputs& inputs);
