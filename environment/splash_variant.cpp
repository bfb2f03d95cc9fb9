#include "environment/splash_variant.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

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

float parseUiScaleDpi(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(start, &end);
    if (end == start || errno == ERANGE || !std::isfinite(value) || value <= 0) return 0;
    float dpi = static_cast<float>(value);
    return std::isfinite(dpi) && dpi > 0 ? dpi : 0;
}
