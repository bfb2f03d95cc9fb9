// Reading the registry: string values of any length and the subkey names of
// a key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A value's data as text, up to its first NUL; nothing when it cannot be read.
std::optional<std::string> queryRegistryString(HKEY key, const char* name);

// The names of the key's subkeys, until the first index that cannot be read.
std::vector<std::string> registrySubkeyNames(HKEY key);
