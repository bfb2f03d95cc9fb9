#include "builder/text_encoding.h"

namespace {

// The code points of UTF-8 text; malformed sequences give U+FFFD.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        char32_t point = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
        bool valid = extra >= 0 && i + extra + 1 <= text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            valid = (next >> 6) == 2;
            point = (point << 6) | (next & 0x3F);
        }
        if (!valid || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) {
            visit(U'\uFFFD');
            ++i;
        } else {
            visit(point);
            i += extra + 1;
        }
    }
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    forEachCodePoint(text, [&](char32_t point) {
        if (point < 0x10000) {
            out.push_back(static_cast<char16_t>(point));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
    });
    return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view text) {
    std::string out;
    bool representable = true;
    forEachCodePoint(text, [&](char32_t point) {
        if (point > 0xFF) representable = false;
        out.push_back(static_cast<char>(point));
    });
    if (!representable) return std::nullopt;
    return out;
}

// Latin-1 bytes are the code points U+0000 to U+00FF, as widening makes them.
std::string latin1ToUtf8(std::string_view text) { return utf16ToUtf8(widenBytes(text)); }
