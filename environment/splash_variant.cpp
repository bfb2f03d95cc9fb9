#include "environment/splash_variant.h"

#include <algorithm>
#include <cmath>

float splashScale(float dpi) { return dpi > 0 ? dpi / 96.0f : 1.0f; }

// Capped so that no scale, however absurd, overflows the conversion.
int splashStartOffset(float scale) { return (static_cast<int>(std::fmin(scale * 100.0f, 1e9f)) - 100) / 25; }

namespace {

// start >= 0, as the scale is above 1.
int findOffset(int start, const std::function<bool(int)>& exists) {
    if (start <= splashMaxVariant && exists(start)) return start;
    for (int k = start + 1; k <= splashMaxVariant; ++k)
        if (exists(k)) return k;
    for (int k = std::min(start - 1, splashMaxVariant); k >= 1; --k)
        if (exists(k)) return k;
    return 0;
}

}  // namespace

SplashChoice chooseSplashVariant(float scale, bool canSetScaleFactor, const std::function<bool(int)>& exists) {
    SplashChoice choice;
    if (!canSetScaleFactor || !(scale > 1.0f)) return choice;
    choice.offset = findOffset(splashStartOffset(scale), exists);
    choice.imageScale = 1.0f + 0.25f * static_cast<float>(choice.offset);
    choice.ratio = scale / choice.imageScale;
    bool close = choice.ratio <= 1.1f && choice.ratio >= 0.9f;
    choice.handling = close ? SplashHandling::variantWithScale : SplashHandling::rescaled;
    return choice;
}

// Read as strtod reads a decimal number (leading blanks, sign, fraction,
// exponent; the rest ignored). strtod itself would bring the C library's whole
// floating-point reader into the launcher for this one value.
float parseUiScaleDpi(const std::string& text) {
    size_t at = text.find_first_not_of(" \t\n\v\f\r");
    auto digitAt = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    if (at == std::string::npos) return 0;
    bool negative = text[at] == '-';
    if (negative || text[at] == '+') ++at;
    double value = 0;
    long exponent = 0;
    bool anyDigit = false;
    // Digits past a double's precision only move the decimal point.
    auto addDigit = [&](char digit, bool fraction) {
        anyDigit = true;
        if (value >= 1e17) {
            if (!fraction) ++exponent;
            return;
        }
        value = value * 10 + (digit - '0');
        if (fraction) --exponent;
    };
    for (; digitAt(at); ++at) addDigit(text[at], false);
    if (at < text.size() && text[at] == '.')
        for (++at; digitAt(at); ++at) addDigit(text[at], true);
    if (!anyDigit || negative) return 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t digits = at + 1;
        bool negativeExponent = digits < text.size() && text[digits] == '-';
        if (negativeExponent || (digits < text.size() && text[digits] == '+')) ++digits;
        long written = 0;
        for (; digitAt(digits); ++digits) written = std::min(written * 10 + (text[digits] - '0'), 100000L);
        if (digitAt(digits - 1)) exponent += negativeExponent ? -written : written;
    }
    for (; exponent > 0 && std::isfinite(value); --exponent) value *= 10;
    for (; exponent < 0 && value > 0; ++exponent) value /= 10;
    float dpi = static_cast<float>(value);
    return std::isfinite(dpi) && dpi > 0 ? dpi : 0;
}
