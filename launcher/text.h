// Conversions between the launcher's text widths that need no code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Every byte becomes the UTF-16 code unit of the same value.
std::u16string widenBytes(std::string_view bytes);

// UTF-8 for the log file; unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// Replaces the first "{0}" by the argument; later ones stay as they are.
std::u16string substituteFirstPlaceholder(std::u16string text, std::u16string_view argument);

// The non-empty elements of a list such as "a;;b;", in order: the settings
// and registry values hold their lists this way.
std::vector<std::string> splitList(std::string_view text, char separator);

// What a text-mode read of the C runtime makes of a file's bytes: the text up
// to the first Ctrl-Z, with every CR LF read as LF.
std::string asTextModeRead(std::string_view bytes);
