// The launcher's own path in both widths and its directories.
#include <windows.h>

#include <vector>

#include "environment/launcher_path.h"
#include "environment/path_rules.h"
#include "environment/shell_short_path.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/wide.h"

namespace {

// GetModuleFileName fills the buffer when it is too small instead of telling the size.
template <typename Char, typename Call>
std::basic_string<Char> moduleFileName(Call call) {
    for (DWORD size = 6000; size <= 6000 * 16; size *= 2) {
        std::vector<Char> buffer(size);
        DWORD n = call(reinterpret_cast<SystemChar<Char>*>(buffer.data()), size);
        if (n == 0) return {};
        if (n < size) return std::basic_string<Char>(buffer.data(), n);
    }
    return {};
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

// The system writes "?" for what the code page lacks; no path holds one.
std::string acceptedAnsi(const std::string& path) {
    return isExeName(path) && path.find('?') == std::string::npos ? path : std::string();
}

// The ANSI forms in order of preference: the path itself, its short form
// from the system, its short form from the command interpreter, and the
// short form of the ANSI module name. The ANSI module name itself never
// counts: characters outside the code page come back as "?" or as look-alikes.
std::string launcherAnsiPath(const std::u16string& widePath) {
    std::string ansi = acceptedAnsi(widePath);
    if (!ansi.empty()) return ansi;
    ansi = acceptedAnsi(sizedQuery<char16_t>([&](wchar_t* b, DWORD n) { return GetShortPathNameW(wide(widePath), b, n); }));
    if (!ansi.empty()) return ansi;
    ansi = acceptedAnsi(shortPathViaShell(widePath).value_or(std::string()));
    if (!ansi.empty()) return ansi;
    std::string moduleAnsi = moduleFileName<char>([](char* b, DWORD n) { return GetModuleFileNameA(nullptr, b, n); });
    ansi = acceptedAnsi(
        sizedQuery<char>([&](char* b, DWORD n) { return GetShortPathNameA(moduleAnsi.c_str(), b, n); }));
    if (ansi.empty()) logLine(u"no ANSI form of the launcher path");
    return ansi;
}

LauncherPaths computeLauncherPaths() {
    LauncherPaths paths;
    std::u16string module = moduleFileNameWide();
    std::u16string longForm =
        sizedQuery<char16_t>([&](wchar_t* b, DWORD n) { return GetLongPathNameW(wide(module), b, n); });
    logLine(u"init file name %s %s %d", module.c_str(), longForm.c_str(),
            static_cast<int>(longForm.empty() ? GetLastError() : 0));
    paths.wide = longForm.empty() ? module : longForm;
    paths.ansi = launcherAnsiPath(paths.wide);
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
    std::string ansi = fullPathName(launcherPathAnsi());
    directories.ansi = directoryPart(ansi.empty() ? launcherPathAnsi() : ansi);
    directories.fromAnsi = widenBytes(directories.ansi);
    std::u16string wideFull = fullPathName(launcherPathWide());
    directories.wide = directoryPart(wideFull.empty() ? launcherPathWide() : wideFull);
    return directories;
}

}  // namespace

const std::string& launcherPathAnsi() { return launcherPaths().ansi; }

std::u16string moduleFileNameWide() {
    return moduleFileName<char16_t>([](wchar_t* b, DWORD n) { return GetModuleFileNameW(nullptr, b, n); });
}
const std::u16string& launcherPathWide() { return launcherPaths().wide; }

const LauncherDirectories& launcherDirectories() {
    static const LauncherDirectories directories = computeLauncherDirectories();
    return directories;
}
