// Conversions between UTF-16 and the code page of the file functions.
#include <windows.h>

#include "environment/launcher_path.h"
#include "launcher/win32/wide.h"

namespace {

UINT fileCodePage() { return AreFileApisANSI() ? CP_ACP : CP_OEMCP; }

}  // namespace

std::optional<std::u16string> fromAnsi(const std::string& text) {
    if (text.empty()) return std::u16string();
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(fileCodePage(), 0, text.data(), size, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::u16string converted(static_cast<size_t>(n), u'\0');
    if (MultiByteToWideChar(fileCodePage(), 0, text.data(), size, wideBuffer(converted), n) != n) return std::nullopt;
    return converted;
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
