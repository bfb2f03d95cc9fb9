// Little-endian reads and writes on byte strings, for the PE image and the
// resources the builder writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline void putLE(std::string& out, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline void setLE(std::string& out, size_t at, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// 0 for bytes beyond the end: callers check sizes before they trust a value.
inline uint64_t getLE(std::string_view bytes, size_t at, int width) {
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | (at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0);
    return value;
}

inline void padTo(std::string& out, size_t alignment) { out.append((alignment - out.size() % alignment) % alignment, '\0'); }

inline uint64_t alignUp(uint64_t value, uint64_t alignment) { return (value + alignment - 1) / alignment * alignment; }

inline void putUtf16(std::string& out, std::u16string_view text) {
    for (char16_t c : text) putLE(out, c, 2);
}
