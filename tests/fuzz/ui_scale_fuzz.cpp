// "J2D_UISCALE" from the environment, read by the launcher's own decimal
// reader: it must agree with strtod on every decimal number.
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "environment/splash_variant.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    float dpi = parseUiScaleDpi(text);
    if (!(dpi >= 0) || std::isinf(dpi)) __builtin_trap();
    // strtod also reads hexadecimal, "inf" and "nan" forms, and the C
    // locale's blanks; compare where both read the same syntax, away from
    // the ends of float's range, where rounding may fall either way.
    std::string readable = text.substr(0, text.find('\0'));
    size_t first = readable.find_first_not_of(" \t\n\v\f\r");
    if (first == std::string::npos) return 0;
    for (char c : readable.substr(first, 3))
        if (std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E') return 0;
    double expected = std::strtod(readable.c_str(), nullptr);
    if (!(expected > 1e-30 && expected < 1e30)) return 0;
    if (std::fabs(dpi - expected) > 1e-5 * expected) __builtin_trap();
    return 0;
}
