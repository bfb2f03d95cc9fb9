// Services that prepare the process before the Java runtime is loaded.
#pragma once

#include <cstdint>
#include <string>

// True when the process has a console afterwards.
bool attachConsole();
// To the attached console's standard output, else the C runtime's stdout.
void writeConsoleText(const std::string& text);
void restrictDllDirectories();
// Adds a DLL search directory under hardened start; the cookie, 0 when nothing was added.
uintptr_t addDllSearchDirectory(const std::string& directory);
void removeDllSearchDirectory(uintptr_t cookie);
void initCommonControls();
// The configured native-library directories go in front of PATH.
void prependNativeLibraryPath();
// Restarts Windows when the shutdown privilege is granted; otherwise nothing.
void rebootMachine();
