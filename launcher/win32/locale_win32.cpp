#include <windows.h>

#include "launcher/locale.h"
#include "launcher/locale_table.h"

namespace {

// Looked up at run time: older systems lack it, and then the format locale
// decides.
std::optional<uint16_t> userUiLanguage() {
    HMODULE kernel = LoadLibraryW(L"Kernel32.DLL");
    if (kernel == nullptr) return std::nullopt;
    using GetUiLanguage = LANGID(WINAPI*)();
    auto getUiLanguage =
        reinterpret_cast<GetUiLanguage>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetUserDefaultUILanguage")));
    if (getUiLanguage == nullptr) return std::nullopt;
    return static_cast<uint16_t>(getUiLanguage());
}

}  // namespace

std::string detectLocale(const LauncherArgs* args) {
    const uint16_t formatLanguage = static_cast<uint16_t>(GetUserDefaultLCID() & 0xFFFF);
    return chooseLocale(args, formatLanguage, userUiLanguage);
}
