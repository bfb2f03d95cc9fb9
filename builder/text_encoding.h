// Conversions between the UTF-8 of configuration files and the encodings of
// the launcher file: UTF-16 messages and 8-bit settings, which the launcher
// widens byte by byte (so an 8-bit setting holds Latin-1).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "launcher/text.h"

// Malformed sequences become U+FFFD. (utf16ToUtf8 is the launcher's, in
// launcher/text.h.)
std::u16string utf8ToUtf16(std::string_view text);
// Nothing when a character lies beyond U+00FF.
std::optional<std::string> utf8ToLatin1(std::string_view text);
std::string latin1ToUtf8(std::string_view text);
