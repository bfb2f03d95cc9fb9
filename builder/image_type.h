// Recognises the image formats a splash screen may use by their first bytes.
#pragma once

#include <string_view>

// "PNG", "GIF", "JPEG" or "BMP"; nullptr for anything else.
const char* splashImageType(std::string_view bytes);
