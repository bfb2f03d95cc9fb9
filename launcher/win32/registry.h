// Reading the registry: keys opened or created, string values of any
// length, values of a fixed size and the subkey names of a key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "launcher/win32/handle.h"

// The key opened with the access (KEY_READ by default, a registry view may
// be added); empty when it cannot be opened.
RegistryKey openRegistryKey(HKEY parent, const char* path, REGSAM access = KEY_READ);
// The key opened for setting values, created when missing; empty when that fails.
RegistryKey createRegistryKey(HKEY parent, const char* path);

// A value's data as text, up to its first NUL; nothing when it cannot be read.
std::optional<std::string> queryRegistryString(HKEY key, const char* name);

// A value of exactly size bytes into data; false when it cannot be read or
// has another size.
bool queryRegistryFixed(HKEY key, const char* name, void* data, DWORD size);

// A value of four bytes (REG_DWORD); nothing when it cannot be read.
std::optional<DWORD> queryRegistryDword(HKEY key, const char* name);

// The names of the key's subkeys, until the first index that cannot be read.
std::vector<std::string> registrySubkeyNames(HKEY key);
