#include <windows.h>

#include "launcher/locale.h"
#include "launcher/locale_table.h"
#include "launcher/win32/system_library.h"

namespace {

// Looked up at run time: older systems lack it, and then the format locale
// decides.
std::optional<uint16_t> userUiLanguage() {
    using GetUiLanguage = LANGID(WINAPI*)();
    auto getUiLanguage = kernelFunction<GetUiLanguage>("GetUserDefaultUILanguage");
    if (getUiLanguage == nullptr) return std::nullopt;
    return static_cast<uint16_t>(getUiLanguage());
}

}  // namespace

std::string detectLocale(const LauncherArgs* args) {
    const uint16_t formatLanguage = static_cast<uint16_t>(GetUserDefaultLCID() & 0xFFFF);
    return chooseLocale(args, formatLanguage, userUiLanguage);
}
