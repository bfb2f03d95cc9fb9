#include "environment/launcher_path.h"

#include <windows.h>

#include "launcher/log.h"
#include "launcher/win32/wide.h"

namespace {

std::u16string computeLauncherPathWide() {
    wchar_t module[6000] = {};
    GetModuleFileNameW(nullptr, module, 6000);
    wchar_t longForm[6000] = {};
    DWORD n = GetLongPathNameW(module, longForm, 6000);
    logLine(u"init file name %s %s %d %d", utf16(module), utf16(longForm), static_cast<int>(n),
            static_cast<int>(GetLastError()));
    return n > 0 && n < 6000 ? toU16(longForm) : toU16(module);
}

std::u16string directoryOf(const std::u16string& path) {
    size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

}  // namespace

const std::u16string& launcherPathWide() {
    static const std::u16string path = computeLauncherPathWide();
    return path;
}

const std::u16string& launcherDirectoryWide() {
    static const std::u16string directory = directoryOf(launcherPathWide());
    return directory;
}

std::u16string canonicalPathWide(const std::u16string& path, bool keepCase) {
    bool relative = !(path.size() >= 3 && path[1] == u':' && path[2] == u'\\') && path.substr(0, 2) != u"\\\\";
    std::u16string resolved = relative ? launcherDirectoryWide() + path : path;
    wchar_t full[6000];
    DWORD n = GetFullPathNameW(wide(resolved), 6000, full, nullptr);
    if (n > 0 && n < 6000) resolved = toU16(full);
    if (!keepCase)
        for (char16_t& c : resolved)
            if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
    return resolved;
}
