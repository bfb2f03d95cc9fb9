// Services that prepare the process before the Java runtime is loaded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// True when the process has a console afterwards.
bool attachConsole();
// To the attached console's standard output, else the C runtime's stdout.
void writeConsoleText(const std::string& text);
void restrictDllDirectories();
// Adds a DLL search directory under hardened start; the cookie, 0 when nothing was added.
uintptr_t addDllSearchDirectory(const std::string& directory);
void removeDllSearchDirectory(uintptr_t cookie);
// The configured native-library directories go in front of PATH.
void prependNativeLibraryPath();
// Restarts Windows when the shutdown privilege is granted; otherwise nothing.
void rebootMachine();

// The system-independent part of prependNativeLibraryPath.

// The directories joined with ";", a final ";" when there are any, then the
// old PATH. Nothing is cut: the system decides what is too long.
std::u16string pathWithNativeDirectories(const std::vector<std::u16string>& directories, const std::u16string& oldPath);
