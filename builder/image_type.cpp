#include "builder/image_type.h"

const char* splashImageType(std::string_view bytes) {
    auto startsWith = [&](std::string_view magic) { return bytes.substr(0, magic.size()) == magic; };
    if (startsWith("\x89PNG\r\n\x1A\n")) return "PNG";
    if (startsWith("GIF87a") || startsWith("GIF89a")) return "GIF";
    if (startsWith("\xFF\xD8\xFF")) return "JPEG";
    if (startsWith("BM") && bytes.size() > 26) return "BMP";
    return nullptr;
}
