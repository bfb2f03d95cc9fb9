// Which stored splash image fits the display scale, and what becomes of it:
// the portable decisions of the splash screen. Images are resources 10000
// (scale 1.0) and 10000 + k, k 1 to 64, drawn for scale 1 + 0.25 k.
#pragma once

#include <functional>
#include <string>

constexpr int splashResourceBase = 10000;
constexpr int splashMaxVariant = 64;

// DPI / 96 for a positive DPI, else 1.0.
float splashScale(float dpi);

// The variant whose image scale is next below the scale: 1.25 gives 1, 1.4 gives 1.
int splashStartOffset(float scale);

enum class SplashHandling {
    rescaled = 1,            // the variant rescaled to the display scale, with the scale as factor
    variantWithScale = 2,    // the variant as stored, with its image scale as factor
    baseWithoutScale = 3,    // image 10000 as stored, no factor
};

struct SplashChoice {
    int offset = 0;          // k; the resource id is 10000 + k
    float imageScale = 1.0f;
    float ratio = 1.0f;      // display scale / image scale
    SplashHandling handling = SplashHandling::baseWithoutScale;
};

// The start offset first, then upwards to 64, then downwards to 1, else the
// base image. Without a scale-factor entry in the splash library, or at a
// scale of 1.0 or less, always the base image without a factor.
SplashChoice chooseSplashVariant(float scale, bool canSetScaleFactor, const std::function<bool(int offset)>& exists);

// The DPI that "J2D_UISCALE" gives: a positive finite number, else 0 (ignored).
float parseUiScaleDpi(const std::string& text);
