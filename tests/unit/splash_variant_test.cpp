#include "environment/splash_variant.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Case {
    float dpi;
    std::set<int> stored;  // offsets besides the base image
    bool canSetScaleFactor;
    int offset;
    float imageScale;
    SplashHandling handling;
};

TEST(SplashVariant, ChoiceAndHandlingForDisplayScales) {
    using H = SplashHandling;
    const Case cases[] = {
        {96, {2}, true, 0, 1.0f, H::baseWithoutScale},
        {144, {2}, true, 2, 1.5f, H::variantWithScale},
        {144, {}, true, 0, 1.0f, H::rescaled},             // ratio 1.5
        {124.8f, {1}, true, 1, 1.25f, H::variantWithScale},  // scale 1.3: ratio 1.04
        {192, {1, 3}, true, 3, 1.75f, H::rescaled},  // none at 4, none above: downwards; ratio 1.14
        {144, {1, 7}, true, 7, 2.75f, H::rescaled},         // upwards before downwards
        {192, {2}, false, 0, 1.0f, H::baseWithoutScale},    // an old library without a factor
        {2, {1}, true, 0, 1.0f, H::baseWithoutScale},       // scale below 1
        {-1, {1}, true, 0, 1.0f, H::baseWithoutScale},      // DPI not available
        {1e30f, {64}, true, 64, 17.0f, H::rescaled},
    };
    for (const Case& c : cases) {
        SplashChoice choice = chooseSplashVariant(splashScale(c.dpi), c.canSetScaleFactor,
                                                  [&](int k) { return k == 0 || c.stored.count(k) > 0; });
        EXPECT_EQ(choice.offset, c.offset) << c.dpi;
        EXPECT_FLOAT_EQ(choice.imageScale, c.imageScale) << c.dpi;
        EXPECT_EQ(choice.handling, c.handling) << c.dpi;
    }
    EXPECT_FLOAT_EQ(chooseSplashVariant(1.5f, true, [](int k) { return k == 0; }).ratio, 1.5f);
}

TEST(SplashVariant, StartOffsetTruncates) {
    EXPECT_EQ(splashStartOffset(1.25f), 1);
    EXPECT_EQ(splashStartOffset(1.5f), 2);
    EXPECT_EQ(splashStartOffset(2.0f), 4);
    EXPECT_EQ(splashStartOffset(1.4f), 1);
}

TEST(SplashVariant, UiScaleIsAPositiveFiniteDpi) {
    EXPECT_FLOAT_EQ(parseUiScaleDpi("192"), 192.0f);
    EXPECT_FLOAT_EQ(parseUiScaleDpi("2"), 2.0f);
    EXPECT_FLOAT_EQ(parseUiScaleDpi("144.5"), 144.5f);
    for (const char* ignored : {"", "abc", "0", "-96", "1e999", "inf", "nan", "1e300"})
        EXPECT_EQ(parseUiScaleDpi(ignored), 0.0f) << ignored;
}

}  // namespace
