#include "environment/process_setup.h"

#include <windows.h>

#include "environment/win32/shutdown_privilege.h"
#include "launcher/log.h"

bool attachConsole() {
    using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
    auto attach = reinterpret_cast<AttachConsoleFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AttachConsole")));
    if (attach && (attach(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)) return true;
    return AllocConsole() != 0;
}

void restrictDllDirectories() { logLine(u"restrictDllDirectories (not yet supported)"); }

void initCommonControls() {
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (!comctl) comctl = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!comctl) return;
    using InitFn = void(WINAPI*)();
    auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControls")));
    if (init) init();
}

void prependNativeLibraryPath() { logLine(u"prependNativeLibraryPath (not yet supported)"); }

void rebootMachine() {
    Sleep(5000);
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    if (enableShutdownPrivilege(token)) ExitWindowsEx(EWX_REBOOT, 0);
    CloseHandle(token);
}
