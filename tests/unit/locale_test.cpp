#include "launcher/locale_table.h"

#include <gtest/gtest.h>

#include "launcher/locale.h"

namespace {

TEST(Locale, ExactIdThenPrimaryLanguageThenEnglish) {
    const std::pair<uint16_t, const char*> cases[] = {
        {0x0407, "de_DE"}, {0x0C07, "de_AT"}, {0x4809, "en"}, {0x081A, "sr_CS"},
        {0x4C07, "de"},    {0x0442, "en"},    {0x0000, "en"}, {0xFFFF, "en"},
    };
    for (const auto& [id, locale] : cases) EXPECT_EQ(localeForLanguageId(id), locale) << std::hex << id;
}

TEST(Locale, UiLanguageDecidesUnlessFormatLocaleIsForced) {
    bool asked = false;
    auto austrian = [&]() -> std::optional<uint16_t> {
        asked = true;
        return 0x0C07;
    };
    const LauncherArgs plain{u"app.exe"};
    EXPECT_EQ(chooseLocale(&plain, 0x0409, austrian), "de_AT");
    EXPECT_TRUE(asked);

    asked = false;
    const LauncherArgs forced{u"app.exe", u"-Dsun.locale.formatasdefault=true"};
    EXPECT_EQ(chooseLocale(&forced, 0x0409, austrian), "en_US");
    EXPECT_FALSE(asked);

    // A missing UI language leaves the format locale in charge.
    EXPECT_EQ(chooseLocale(nullptr, 0x0407, [] { return std::optional<uint16_t>(); }), "de_DE");
}

}  // namespace
