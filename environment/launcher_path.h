// The launcher executable's own path and the path helpers built on it.
#pragma once

#include <string>

// The long form of the launcher's path, computed once.
const std::u16string& launcherPathWide();
// The launcher directory in UTF-16, ending in a backslash.
const std::u16string& launcherDirectoryWide();

// Absolute form of the path, relative paths resolved against the launcher
// directory; lower-cased unless keepCase.
std::u16string canonicalPathWide(const std::u16string& path, bool keepCase);
