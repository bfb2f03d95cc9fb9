// The class path and, when the application uses modules, the module path
// and module options: the last VM options of the list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "jvmlaunch/vm_option_sources.h"

// What the class-path directives of the options set; a later directive of
// the same kind replaces the earlier value.
struct ClassPathModifiers {
    std::optional<std::string> override;  // replaces the configured list
    std::optional<std::string> prefix;    // first, before the archives of the temporary directory
    std::optional<std::string> suffix;    // last
};

// Appends the "-Djava.class.path=" option and, when there is a module path,
// "--module-path=", "--add-opens=" (for a module main class in a package)
// and "--add-modules=". A mandatory entry of the typed path lists (settings
// 121 and 132) that is missing ends the process: message 1008 for an
// undefined variable, 1006 otherwise.
void addClassAndModulePath(VmOptionSources& sources, std::vector<std::string>& options,
                           const ClassPathModifiers& modifiers);
