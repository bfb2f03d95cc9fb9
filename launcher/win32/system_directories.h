// The Windows directory and the system directory, where the launcher finds
// the system's own programs and DLLs, and the loading of those DLLs.
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

// A DLL of the system directory and never one found elsewhere: by the search
// flag, or by its full path where the system refuses the flag (Windows 7
// without its loader update). Null when it cannot be loaded.
inline HMODULE loadSystemLibrary(const char16_t* name) {
    HMODULE module = LoadLibraryExW(reinterpret_cast<const wchar_t*>(name), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    return LoadLibraryExW(wide(systemDirectory() + u"\\" + name), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// The function of that name as type Fn; null when the module or the function is missing.
template <typename Fn>
Fn systemFunction(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
