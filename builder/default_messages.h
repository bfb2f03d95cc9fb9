// The default texts of every message id in English and in the languages the
// builder ships locale blocks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Locale prefixes of the shipped translations, in block order.
const std::vector<std::string>& translatedLocales();

// The UTF-8 text of the id in "en" or one of translatedLocales(); empty when
// the id or the locale is unknown. "{0}" marks the argument.
std::string defaultMessage(int32_t id, const std::string& locale);

constexpr int32_t firstMessageId = 1000, lastMessageId = 1020;
