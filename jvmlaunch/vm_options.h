// The VM option list with which the Java VM is created, in the order the VM
// receives it: the launcher system properties, the configured VM options,
// the version-specific line, "-J" arguments, the locale options, the default
// options file, then the class-path option and the module options.
// Directives of options files never reach it.
#pragma once

#include <string>
#include <vector>

#include "jvmlaunch/vm_option_sources.h"
#include "launcher/command_line.h"

// 8-bit texts in the code page of the file functions; logs "vmoption count
// %d" and every "vmoption %d: %S".
std::vector<std::string> assembleVmOptions(const LauncherArgs& args, const std::vector<std::string>& systemProperties);

// The same with the system given. Options files that include themselves,
// directly or through others, are not read again, options files nest at most
// maxNestedOptionsFiles deep, and at most maxIncludedOptionsFiles includes
// are read in all: files that include the next one twice, nested, would
// otherwise double the reads at every level. Each limit is logged.
constexpr size_t maxNestedOptionsFiles = 32;
constexpr size_t maxIncludedOptionsFiles = 256;
std::vector<std::string> assembleVmOptionsWith(VmOptionSources& sources, const LauncherArgs& args,
                                               const std::vector<std::string>& systemProperties);
