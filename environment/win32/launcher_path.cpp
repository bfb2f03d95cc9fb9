#include "environment/launcher_path.h"

#include <windows.h>

#include <vector>

#include "environment/path_rules.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/wide.h"

namespace {

// GetModuleFileName fills the buffer when it is too small instead of telling the size.
template <typename Char, typename Call>
std::basic_string<Char> moduleFileName(Call call) {
    for (DWORD size = 6000; size <= 6000 * 16; size *= 2) {
        std::vector<Char> buffer(size);
        DWORD n = call(buffer.data(), size);
        if (n == 0) return {};
        if (n < size) return std::basic_string<Char>(buffer.data(), n);
    }
    return {};
}

UINT fileCodePage() { return AreFileApisANSI() ? CP_ACP : CP_OEMCP; }

std::string fullPathAnsi(const std::string& path) {
    return sizedQuery<char>([&](char* b, DWORD n) { return GetFullPathNameA(path.c_str(), n, b, nullptr); });
}

std::u16string fullPathWide(const std::u16string& path) {
    return toU16(sizedQuery<wchar_t>([&](wchar_t* b, DWORD n) { return GetFullPathNameW(wide(path), n, b, nullptr); }));
}

struct LauncherPaths {
    std::u16string wide;
    std::string ansi;
};

std::string acceptedAnsi(const std::u16string& path) {
    if (path.empty()) return {};
    bool replaced = false;
    std::string ansi = toAnsi(path, &replaced);
    return !replaced && isExeName(ansi) ? ansi : std::string();
}

LauncherPaths computeLauncherPaths() {
    LauncherPaths paths;
    std::u16string module = moduleFileNameWide();
    SetLastError(0);
    std::vector<wchar_t> longForm(6000);
    DWORD n = GetLongPathNameW(wide(module), longForm.data(), 6000);
    DWORD error = GetLastError();
    if (n >= 6000) {
        longForm.resize(n + 1);
        n = GetLongPathNameW(wide(module), longForm.data(), n + 1);
    }
    bool haveLong = n > 0 && n < longForm.size();
    logLine(u"init file name %s %s %d %d", module.c_str(), haveLong ? utf16(longForm.data()) : u"",
            static_cast<int>(n), static_cast<int>(error));
    paths.wide = haveLong ? std::u16string(utf16(longForm.data()), n) : module;

    paths.ansi = acceptedAnsi(paths.wide);
    if (paths.ansi.empty()) {
        std::u16string shortForm = toU16(
            sizedQuery<wchar_t>([&](wchar_t* b, DWORD size) { return GetShortPathNameW(wide(paths.wide), b, size); }));
        paths.ansi = acceptedAnsi(shortForm);
    }
    if (paths.ansi.empty()) {
        std::optional<std::string> viaShell = shortPathViaShell(paths.wide);
        if (viaShell && isExeName(*viaShell)) paths.ansi = *viaShell;
    }
    if (paths.ansi.empty()) {
        std::string moduleAnsi =
            moduleFileName<char>([](char* b, DWORD size) { return GetModuleFileNameA(nullptr, b, size); });
        std::string shortForm =
            sizedQuery<char>([&](char* b, DWORD size) { return GetShortPathNameA(moduleAnsi.c_str(), b, size); });
        paths.ansi = shortForm.empty() ? moduleAnsi : shortForm;
    }
    collapseBackslashes(paths.wide);
    collapseBackslashes(paths.ansi);
    return paths;
}

const LauncherPaths& launcherPaths() {
    static const LauncherPaths paths = computeLauncherPaths();
    return paths;
}

LauncherDirectories computeLauncherDirectories() {
    LauncherDirectories directories;
    std::string ansi = fullPathAnsi(launcherPathAnsi());
    directories.ansi = directoryPart(ansi.empty() ? launcherPathAnsi() : ansi);
    directories.fromAnsi = widenBytes(directories.ansi);
    std::u16string wideFull = fullPathWide(launcherPathWide());
    directories.wide = directoryPart(wideFull.empty() ? launcherPathWide() : wideFull);
    return directories;
}

template <typename Data>
uint64_t lastWriteOf(const Data& entry) {
    return (static_cast<uint64_t>(entry.ftLastWriteTime.dwHighDateTime) << 32) | entry.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

const std::string& launcherPathAnsi() { return launcherPaths().ansi; }

std::u16string moduleFileNameWide() {
    return toU16(moduleFileName<wchar_t>([](wchar_t* b, DWORD n) { return GetModuleFileNameW(nullptr, b, n); }));
}
const std::u16string& launcherPathWide() { return launcherPaths().wide; }

const LauncherDirectories& launcherDirectories() {
    static const LauncherDirectories directories = computeLauncherDirectories();
    return directories;
}

const std::u16string& launcherDirectoryWide() { return launcherDirectories().wide; }

std::string resolveAgainstLauncherDir(const std::string& path, const std::string* referenceFile) {
    std::string resolved = path;
    if (isRelativePath(path)) {
        std::string directory = referenceFile ? directoryPart(fullPathAnsi(*referenceFile)) : launcherDirectories().ansi;
        resolved = directory + path;
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::u16string resolveAgainstLauncherDirWide(const std::u16string& path, bool useAnsiDirectory,
                                             const std::u16string* referenceFile) {
    std::u16string resolved = path;
    if (isRelativePath(path)) {
        std::u16string directory;
        if (referenceFile) {
            directory = directoryPart(fullPathWide(*referenceFile));
        } else {
            directory = useAnsiDirectory ? launcherDirectories().fromAnsi : launcherDirectories().wide;
        }
        resolved = directory + path;
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::string canonicalPath(const std::string& path, bool keepCase) {
    std::string resolved = resolveAgainstLauncherDir(path);
    std::string full = fullPathAnsi(resolved);
    if (!full.empty()) resolved = full;
    if (!keepCase) {
        // Through UTF-16, so trail bytes of double-byte code pages stay as they are.
        if (std::optional<std::u16string> text = fromAnsi(resolved)) {
            lowerAsciiLetters(*text);
            bool replaced = false;
            std::string lowered = toAnsi(*text, &replaced);
            if (!replaced) resolved = lowered;
        }
    }
    collapseBackslashes(resolved);
    return resolved;
}

std::u16string canonicalPathWide(const std::u16string& path, bool keepCase) {
    std::u16string resolved = resolveAgainstLauncherDirWide(path, false);
    std::u16string full = fullPathWide(resolved);
    if (!full.empty()) resolved = full;
    if (!keepCase) lowerAsciiLetters(resolved);
    collapseBackslashes(resolved);
    return resolved;
}

bool findFile(const std::string& path, uint64_t* lastWrite) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(path.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    if (lastWrite) *lastWrite = lastWriteOf(entry);
    return true;
}

bool findFile(const std::u16string& path, uint64_t* lastWrite) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(wide(path), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    if (lastWrite) *lastWrite = lastWriteOf(entry);
    return true;
}

bool pathExists(const std::string& path) { return isDriveRootText(widenBytes(path)) || findFile(path); }
bool pathExists(const std::u16string& path) { return isDriveRootText(path) || findFile(path); }

std::optional<std::u16string> fromAnsi(const std::string& text) {
    if (text.empty()) return std::u16string();
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(fileCodePage(), 0, text.data(), size, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring converted(static_cast<size_t>(n), L'\0');
    if (MultiByteToWideChar(fileCodePage(), 0, text.data(), size, converted.data(), n) != n) return std::nullopt;
    return toU16(converted);
}

void collapseBackslashes(std::string& path) {
    std::u16string text = fromAnsi(path).value_or(std::u16string());
    if (text.empty()) return;
    collapseBackslashes(text);
    bool replaced = false;
    std::string back = toAnsi(text, &replaced);
    if (!replaced) path = back;
}

std::string toAnsi(std::u16string_view text, bool* replaced) {
    std::u16string terminated(text);
    UINT codePage = fileCodePage();
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    const char* replacement = "?";
    BOOL used = FALSE;
    BOOL* usedPointer = &used;
    int n = WideCharToMultiByte(codePage, flags, wide(terminated), -1, nullptr, 0, replacement, usedPointer);
    if (n == 0 && (GetLastError() == ERROR_INVALID_FLAGS || GetLastError() == ERROR_INVALID_PARAMETER)) {
        // Code pages such as UTF-8 take neither the flag nor a replacement character.
        flags = 0;
        replacement = nullptr;
        usedPointer = nullptr;
        n = WideCharToMultiByte(codePage, flags, wide(terminated), -1, nullptr, 0, nullptr, nullptr);
    }
    if (n <= 0) {
        if (replaced) *replaced = true;
        return {};
    }
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide(terminated), -1, out.data(), n, replacement, usedPointer);
    out.resize(static_cast<size_t>(n - 1));
    if (replaced) *replaced = used != FALSE;
    return out;
}

std::optional<std::string> shortPathViaShell(const std::u16string& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        logLine(u"CreatePipe error (%d)", static_cast<int>(GetLastError()));
        return std::nullopt;
    }
    if (!SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0)) {
        logLine(u"SetHandleInformation error (%d)", static_cast<int>(GetLastError()));
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return std::nullopt;
    }
    std::u16string windows =
        toU16(sizedQuery<wchar_t>([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); }));
    std::u16string command = windows + u"\\system32\\cmd.exe /C for %I in (\"" + path + u"\") do @echo %~sI";
    logLine(u"executing %s", command.c_str());

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine(wide(command));
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
        logLine(u"could not execute cmd.exe");
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return std::nullopt;
    }
    CloseHandle(writeEnd);

    std::string output(6000, '\0');
    DWORD total = 0;
    while (total < output.size()) {
        DWORD got = 0;
        if (!ReadFile(readEnd, &output[total], static_cast<DWORD>(output.size() - total), &got, nullptr) || got == 0)
            break;
        total += got;
    }
    output.resize(total);
    logLine(u"finished reading from cmd.exe %d \"%S\"", static_cast<int>(total), output.c_str());
    CloseHandle(readEnd);

    // The pipe closes a moment before the process counts as ended.
    WaitForSingleObject(process.hProcess, 5000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    logLine(u"Exit Code %d", static_cast<int>(exitCode));
    std::optional<std::string> result;
    if (exitCode == STILL_ACTIVE) {
        logLine(u"Terminating process");
        TerminateProcess(process.hProcess, 1);
    } else {
        result = shortPathFromShellOutput(output, exitCode);
        if (result) logLine(u"Using %S", result->c_str());
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return result;
}
