#include "jvmsearch/runtime_architecture.h"

namespace {

uint32_t littleEndian(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

std::optional<uint16_t> peMachine(std::string_view imageStart) {
    constexpr size_t newHeaderOffsetAt = 0x3c;
    if (imageStart.size() < newHeaderOffsetAt + 4 || imageStart.substr(0, 2) != "MZ") return std::nullopt;
    size_t header = littleEndian(imageStart, newHeaderOffsetAt, 4);
    if (header > imageStart.size() || imageStart.size() - header < 6) return std::nullopt;
    if (imageStart.substr(header, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    return static_cast<uint16_t>(littleEndian(imageStart, header + 4, 2));
}
