#include "environment/splash_variant.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SplashVariant, ChoiceAndHandlingForDisplayScales) {
    using H = SplashHandling;
    struct Case {
        float dpi;
        std::set<int> stored;  // offsets besides the base image
        bool canSetScaleFactor;
        int offset;
        H handling;
    } cases[] = {
        {96, {2}, true, 0, H::baseWithoutScale},     {144, {2}, true, 2, H::variantWithScale},
        {144, {}, true, 0, H::rescaled},             {124.8f, {1}, true, 1, H::variantWithScale},  // 1.3: ratio 1.04
        {134.4f, {1, 2}, true, 1, H::rescaled},  // 1.4 starts at 1: ratio 1.12
        {192, {1, 3}, true, 3, H::rescaled},     // none at 4 or above: downwards; ratio 1.14
        {144, {1, 7}, true, 7, H::rescaled},     // upwards before downwards
        {192, {2}, false, 0, H::baseWithoutScale},  {2, {1}, true, 0, H::baseWithoutScale},  // old library; scale < 1
        {-1, {1}, true, 0, H::baseWithoutScale},    {1e30f, {64}, true, 64, H::rescaled},
    };
    for (const Case& c : cases) {
        SplashChoice choice = chooseSplashVariant(splashScale(c.dpi), c.canSetScaleFactor,
                                                  [&](int k) { return k == 0 || c.stored.count(k) > 0; });
        EXPECT_EQ(choice.offset, c.offset) << c.dpi;
        EXPECT_FLOAT_EQ(choice.imageScale, 1 + 0.25f * c.offset) << c.dpi;
        EXPECT_EQ(choice.handling, c.handling) << c.dpi;
    }
    EXPECT_FLOAT_EQ(chooseSplashVariant(1.5f, true, [](int k) { return k == 0; }).ratio, 1.5f);
    // "J2D_UISCALE": a positive finite DPI, read as strtod reads it.
    for (const char* dpi : {"144.5", " +144.5x", "1.445e2", "14450E-2", ".1445e+3", "0.0000000000000000000001445e24"})
        EXPECT_FLOAT_EQ(parseUiScaleDpi(dpi), 144.5f) << dpi;
    EXPECT_FLOAT_EQ(parseUiScaleDpi("96e"), 96.0f);
    EXPECT_FLOAT_EQ(parseUiScaleDpi(std::string(400, '1') + "e-398"), 11.111111f);
    for (const char* ignored : {"", "abc", "0", "-96", "1e999", "inf", "nan", "1e300", "1e-999", ".", "-0.0"})
        EXPECT_EQ(parseUiScaleDpi(ignored), 0.0f) << ignored;
}

}  // namespace
