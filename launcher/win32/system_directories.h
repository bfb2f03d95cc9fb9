// The Windows directory and the system directory, where the launcher finds
// the system's own programs and DLLs.
#pragma once

#include <windows.h>

#include <string>

#include "launcher/win32/wide.h"

inline std::u16string windowsDirectory() {
    return sizedQuery<char16_t>([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); });
}

inline std::u16string systemDirectory() {
    return sizedQuery<char16_t>([](wchar_t* b, DWORD n) { return GetSystemDirectoryW(b, n); });
}
