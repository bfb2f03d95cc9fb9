// The argument array of the Java-side launcher class's main: launch flags,
// the main class, the redirection files, the program token, the configured
// fixed arguments and the user's arguments.
#pragma once

#include <functional>
#include <string>

#include "launcher/command_line.h"

// What building the array needs from the system.
struct LaunchArgumentServices {
    // Expands launcher keys and environment references (UTF-16 directory forms).
    std::function<void(std::u16string&)> expand;
    // Resolves against the launcher directory and makes a full path, case kept.
    std::function<std::u16string(const std::u16string&)> fullPath;
};

LauncherArgs launcherMainArguments(const LauncherArgs& args, const LaunchArgumentServices& services);
