// The launcher's UTF-16 strings and the Windows wide API share one
// representation: 16-bit code units.
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>
#include <vector>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

inline const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
// For the system to write into; the string keeps its size.
inline wchar_t* wideBuffer(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }
inline const char16_t* utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline std::u16string toU16(const wchar_t* text) { return text ? std::u16string(utf16(text)) : std::u16string(); }

// The character type of the system call for a string's character type: the
// wide calls get wchar_t buffers for char16_t strings (std::wstring would
// link a second copy of the string code into the launcher).
template <typename Char>
using SystemChar = std::conditional_t<std::is_same_v<Char, char16_t>, wchar_t, Char>;

// Calls a system function that returns the length it wrote, or the size it
// needs when the buffer is too small; a result longer than 6000 grows the
// buffer. Empty when the call fails.
template <typename Char, typename Call>
std::basic_string<Char> sizedQuery(Call call) {
    std::vector<Char> buffer(6000);
    auto ask = [&] { return call(reinterpret_cast<SystemChar<Char>*>(buffer.data()), static_cast<DWORD>(buffer.size())); };
    DWORD n = ask();
    if (n >= buffer.size()) {
        buffer.resize(n + 1);
        n = ask();
    }
    if (n == 0 || n >= buffer.size()) return {};
    return std::basic_string<Char>(buffer.data(), n);
}
