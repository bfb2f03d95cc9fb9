#include "launcher/locale_table.h"

#include <gtest/gtest.h>

#include <iterator>

#include "launcher/locale.h"
#include "tests/unit/fake_platform.h"

namespace {

class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }

    // Records whether the UI language was asked for.
    std::function<std::optional<uint16_t>()> uiLanguage(std::optional<uint16_t> id) {
        return [this, id] {
            uiLanguageAsked = true;
            return id;
        };
    }

    bool uiLanguageAsked = false;
};

TEST_F(LocaleTest, ExactIdThenPrimaryLanguageThenEnglish) {
    struct {
        uint16_t id;
        const char* locale;
    } cases[] = {
        {0x0407, "de_DE"}, {0x0C07, "de_AT"}, {0x4809, "en"}, {0x081A, "sr_CS"},
        {0x4C07, "de"},    {0x0442, "en"},    {0x0000, "en"}, {0xFFFF, "en"},
    };
    for (const auto& c : cases) EXPECT_EQ(localeForLanguageId(c.id), c.locale) << std::hex << c.id;
}

TEST_F(LocaleTest, LastFormatAsDefaultOptionWins) {
    const std::u16string on = u"-Dsun.locale.formatasdefault=true";
    const std::u16string off = u"-Dsun.locale.formatasdefault=false";
    struct {
        LauncherArgs args;
        bool requested;
    } cases[] = {
        {{}, false},
        {{u"app.exe", on, off}, false},
        {{u"app.exe", off, u"x", on}, true},
        {{u"app.exe", u"-Dsun.locale.formatasdefault=TRUE"}, false},
        {{u"app.exe", on, u"-J-Dsun.locale.formatasdefault=false"}, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(formatAsDefaultRequested(cases[i].args), cases[i].requested) << "case " << i;
}

TEST_F(LocaleTest, UiLanguageDecidesUnlessFormatLocaleIsForced) {
    const LauncherArgs plain{u"app.exe"};
    EXPECT_EQ(chooseLocale(&plain, 0x0409, uiLanguage(0x0C07)), "de_AT");
    EXPECT_TRUE(uiLanguageAsked);
    EXPECT_EQ(fakePlatform().logLines,
              (std::vector<std::u16string>{u"sun.locale.formatasdefault is false",
                                           u"language/country is de_AT"}));

    uiLanguageAsked = false;
    const LauncherArgs forced{u"app.exe", u"-Dsun.locale.formatasdefault=true"};
    EXPECT_EQ(chooseLocale(&forced, 0x0409, uiLanguage(0x0C07)), "en_US");
    EXPECT_FALSE(uiLanguageAsked);

    // A missing UI language leaves the format locale in charge.
    EXPECT_EQ(chooseLocale(nullptr, 0x0407, uiLanguage(std::nullopt)), "de_DE");
}

TEST_F(LocaleTest, CountryIsRecordedOnlyForFiveCharacterTexts) {
    struct {
        const char* locale;
        const char* language;
        const char* country;  // nullptr: unset
    } cases[] = {
        {"de_AT", "de", "AT"}, {"en", "en", nullptr}, {"no_NO_NY", "no", nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recordLocale(c.locale), c.locale);
        std::string language = "?", country = "?";
        EXPECT_TRUE(localeLanguage(language));
        EXPECT_EQ(language, c.language);
        EXPECT_EQ(localeCountry(country), c.country != nullptr) << c.locale;
        if (c.country != nullptr) {
            EXPECT_EQ(country, c.country);
        }
    }
}

}  // namespace
