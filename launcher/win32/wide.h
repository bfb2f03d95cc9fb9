// The launcher's UTF-16 strings and the Windows wide API share one
// representation: 16-bit code units.
#pragma once

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

inline const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline const char16_t* utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline std::u16string toU16(const wchar_t* text) { return text ? std::u16string(utf16(text)) : std::u16string(); }
