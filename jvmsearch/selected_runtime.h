// The Java runtime the search selected: set once by the search, read by the
// launch, the VM options, variable expansion and the splash screen.
#pragma once

#include <string>

// The Java executable's directory followed by ".." (empty before the search).
const std::string& jvmHome();
// The version text the chosen runtime reported.
const std::string& jvmVersion();

// Only the runtime library loading sets them.
void setSelectedRuntime(std::string home, std::string version);
