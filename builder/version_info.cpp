#include "builder/version_info.h"

#include <functional>

#include "builder/byte_io.h"
#include "builder/text_encoding.h"

namespace {

// A version block: length, value length, type, key, padding, value,
// padding, children. The length field is filled in at the end.
void putBlock(std::string& out, const std::u16string& key, const std::string& value, uint16_t valueLength,
              bool textValue, const std::function<void(std::string&)>& children = {}) {
    padTo(out, 4);
    size_t start = out.size();
    putLE(out, 0, 2);
    putLE(out, valueLength, 2);
    putLE(out, textValue ? 1 : 0, 2);
    putUtf16(out, key);
    putLE(out, 0, 2);
    padTo(out, 4);
    out += value;
    if (children) children(out);
    setLE(out, start, out.size() - start, 2);
}

std::pair<uint32_t, uint32_t> versionOrZero(const std::string& text) {
    return parseFileVersion(text).value_or(std::pair<uint32_t, uint32_t>{0, 0});
}

}  // namespace

std::optional<std::pair<uint32_t, uint32_t>> parseFileVersion(const std::string& text) {
    uint32_t parts[4] = {0, 0, 0, 0};
    size_t part = 0, digits = 0;
    for (char c : text) {
        if (c == '.') {
            if (digits == 0 || ++part == 4) return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 5) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
            if (parts[part] > 65535) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    return std::pair<uint32_t, uint32_t>{parts[0] << 16 | parts[1], parts[2] << 16 | parts[3]};
}

std::string writeVersionResource(const VersionInfo& info) {
    auto [fileHigh, fileLow] = versionOrZero(info.fileVersion);
    auto [productHigh, productLow] = versionOrZero(info.productVersion);
    std::string fixed;
    for (uint32_t field : {0xFEEF04BDu, 0x00010000u, fileHigh, fileLow, productHigh, productLow, 0x3Fu, 0u,
                           0x00040004u /* NT, 32-bit Windows */, 1u /* application */, 0u, 0u, 0u})
        putLE(fixed, field, 4);
    std::string out;
    putBlock(out, u"VS_VERSION_INFO", fixed, static_cast<uint16_t>(fixed.size()), false, [&](std::string& o) {
        putBlock(o, u"StringFileInfo", "", 0, true, [&](std::string& o2) {
            putBlock(o2, u"040904B0", "", 0, true, [&](std::string& o3) {
                for (const auto& [name, value] : info.strings) {
                    std::u16string text = utf8ToUtf16(value);
                    std::string bytes;
                    putUtf16(bytes, text);
                    putLE(bytes, 0, 2);
                    putBlock(o3, utf8ToUtf16(name), bytes, static_cast<uint16_t>(text.size() + 1), true);
                }
            });
        });
        putBlock(o, u"VarFileInfo", "", 0, true, [&](std::string& o2) {
            std::string translation;
            putLE(translation, 0x0409, 2);  // US English
            putLE(translation, 1200, 2);  // Unicode
            putBlock(o2, u"Translation", translation, 4, false);
        });
    });
    return out;
}
