// System DLLs and entry points looked up at run time: entry points that older
// Windows versions lack, and DLLs that only some starts need (USER32 for a
// window, the splash screen's imaging libraries).
#pragma once

#include <windows.h>

#include "launcher/win32/system_directories.h"

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

// An entry point of KERNEL32 that older versions may lack; null then.
template <typename Fn>
Fn kernelFunction(const char* name) {
    return systemFunction<Fn>(GetModuleHandleW(L"kernel32.dll"), name);
}

// USER32 is loaded when a window function is first called: most starts show
// no window, and the DLL costs a start more time and private memory than
// anything else the launcher does before the VM.
inline HMODULE user32Library() {
    static HMODULE module = loadSystemLibrary(u"user32.dll");
    return module;
}

// The function's zero value when it cannot be found.
template <typename Fn, typename... Args>
auto callUser32(const char* name, Args... args) {
    Fn function = systemFunction<Fn>(user32Library(), name);
    using Result = decltype(function(args...));
    return function ? function(args...) : Result();
}

// USER32_CALL(MessageBoxW, ...) calls USER32's MessageBoxW without importing it.
#define USER32_CALL(function, ...) callUser32<decltype(&function)>(#function, __VA_ARGS__)
