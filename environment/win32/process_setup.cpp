#include "environment/process_setup.h"

#include <windows.h>

#include <cstdio>

#include "environment/launcher_path.h"
#include "environment/win32/process_environment.h"
#include "environment/win32/shutdown_privilege.h"
#include "jvmlaunch/variable_expansion.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/system_library.h"
#include "launcher/win32/wide.h"

namespace {

bool consoleAttached = false;

}  // namespace

bool attachConsole() {
    consoleAttached = true;
    using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
    auto attach = kernelFunction<AttachConsoleFn>("AttachConsole");
    if (attach && (attach(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED)) return true;
    return AllocConsole() != 0;
}

void writeConsoleText(const std::string& text) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (consoleAttached && output != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        FlushFileBuffers(output);
        return;
    }
    fwrite(text.data(), 1, text.size(), stdout);
    fflush(stdout);
}

void restrictDllDirectories() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    // Windows 6.0 keeps its default search order.
    if (GetVersionExW(&version) && version.dwMajorVersion == 6 && version.dwMinorVersion == 0) return;
    using SetDefaultFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = kernelFunction<SetDefaultFn>("SetDefaultDllDirectories");
    if (!setDefault) return;
    setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_USER_DIRS);
    logLine(u"restrict DLL directories");
}

uintptr_t addDllSearchDirectory(const std::string& directory) {
    if (getConfigInt(settingHardenedStart) == 0) return 0;
    using AddFn = void*(WINAPI*)(PCWSTR);
    auto add = kernelFunction<AddFn>("AddDllDirectory");
    if (!add) return 0;
    std::optional<std::u16string> path = fromAnsi(directory);
    if (!path) return 0;
    logLine(u"Adding DLL directory %s", path->c_str());
    return reinterpret_cast<uintptr_t>(add(wide(*path)));
}

void removeDllSearchDirectory(uintptr_t cookie) {
    if (cookie == 0) return;
    using RemoveFn = BOOL(WINAPI*)(void*);
    auto remove = kernelFunction<RemoveFn>("RemoveDllDirectory");
    if (!remove) return;
    logLine(u"Removing DLL directory");
    remove(reinterpret_cast<void*>(cookie));
}

void prependNativeLibraryPath() {
    std::string list = dupConfigString(settingNativeLibraryDirs);
    logLine(u"native lib dir is %S", list.c_str());
    expandVariablesNarrow(list);
    std::vector<std::u16string> directories;
    for (const std::string& element : splitList(list, ';')) {
        std::string resolved = resolveAgainstLauncherDir(element);
        if (resolved.empty()) continue;
        // The cookies are not kept: these directories stay for the process's life.
        addDllSearchDirectory(resolved);
        if (std::optional<std::u16string> directory = fromAnsi(resolved)) directories.push_back(*directory);
    }
    std::u16string path =
        pathWithNativeDirectories(directories, environmentVariable(L"PATH").value_or(std::u16string()));
    std::string logged = toAnsi(path);
    if (setProcessPath(path)) {
        logLine(u"Setting PATH (native libs) %S", logged.c_str());
    } else {
        logError(u"Setting PATH (native libs) %S failed with error %d", logged.c_str(),
                 static_cast<int>(GetLastError()));
    }
}

void rebootMachine() {
    Sleep(5000);
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.receive())) return;
    if (enableShutdownPrivilege(token.get())) USER32_CALL(ExitWindowsEx, EWX_REBOOT, 0);
}
