// The user's language in the real launcher: it is logged and selects the
// locale blocks of the configuration. The suite runs once with an English
// and once with a German user locale (tests/wine/CMakeLists.txt); Wine takes
// the locale from the unix environment the test process passes on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "tests/wine/launcher_sandbox.h"

namespace {

TEST(Locale, DetectedLocaleIsLoggedAndSelectsTheMessageOfAFailedExtraction) {
    const char* lang = std::getenv("LANG");
    bool german = lang != nullptr && std::strncmp(lang, "de_DE", 5) == 0;
    // The launcher inherits this process's locale, which tells whether Wine
    // honoured LANG (it needs the locale that the ctest entry wine.locales makes).
    if (GetUserDefaultUILanguage() != (german ? 0x0407 : 0x0409))
        GTEST_SKIP() << "Wine did not take the user locale from LANG=" << (lang ? lang : "");
    // Non-ASCII on purpose: the quiet-mode text goes through the ANSI code page.
    std::u16string germanError = u"Ein interner Fehler ist aufgetreten (Fehlercode {0}). Bitte sp\u00E4ter erneut.";
    LauncherConfiguration config = appConfiguration();
    config.localeBlocks = {{"de", {{1009, germanError}}}, {"de_AT", {{1009, u"\u00D6sterreichischer Fehler {0}."}}}};
    config.includedFiles = {{"data.bin", std::string(1000, 'x')}};
    std::string file = makeLauncherFile(LauncherSandbox::launcherImage(), config);

    LauncherSandbox sandbox(std::string("Locale_") + (german ? "de" : "en"));  // both runs may go on at once
    // The included files end inside the content of the only record.
    LauncherRun run = sandbox.run(sandbox.writeFile(L"app.exe", file.substr(0, file.size() - 600)), isolatedRun());
    EXPECT_EQ(run.exitCode, 1u);
    std::string expected;
    for (char16_t c : german ? germanError : u"An internal error occurred (error code {0}).")
        expected += static_cast<char>(c);  // Latin-1 stays itself in the ANSI code page
    expected.replace(expected.find("{0}"), 3, "16");
    wchar_t log[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameW((sandbox.tempDirectory() + L"\\ovn_nlog_1.log").c_str(), log, MAX_PATH), 0u);
    EXPECT_EQ(run.standardError, expected + "\r\n\r\nLog: " + utf8(log) + "\r\n");
    EXPECT_TRUE(contains(sandbox.takeLog(), std::string("language/country is ") + (german ? "de_DE" : "en_US")));
}

}  // namespace
