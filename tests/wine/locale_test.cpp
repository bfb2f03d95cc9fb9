// The user's language in the real launcher: it is logged and selects the
// locale blocks of the configuration. The suite runs once with an English
// and once with a German user locale (tests/wine/CMakeLists.txt); Wine takes
// the locale from the unix environment the test process passes on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "tests/wine/launcher_sandbox.h"

namespace {

const char16_t englishInternalError[] = u"An internal error occurred (error code {0}).";
// Non-ASCII on purpose: the quiet-mode text goes through the ANSI code page.
const char16_t germanInternalError[] = u"Ein interner Fehler ist aufgetreten (Fehlercode {0}). Bitte sp\u00E4ter erneut versuchen.";

bool germanRun() {
    const char* lang = std::getenv("LANG");
    return lang != nullptr && std::strncmp(lang, "de_DE", 5) == 0;
}

// The sandbox name carries the language: both runs may go on at once.
std::string sandboxName() {
    return std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
           (germanRun() ? "_de" : "_en");
}

// The launcher inherits the test process's locale, so this process tells
// whether Wine honoured LANG (it needs the locale built by wine.locales).
bool localeAsRequested() { return GetUserDefaultUILanguage() == (germanRun() ? 0x0407 : 0x0409); }

#define REQUIRE_REQUESTED_LOCALE()                                                                   \
    if (!localeAsRequested())                                                                        \
    GTEST_SKIP() << "Wine did not take the user locale from LANG=" << std::getenv("LANG")           \
                 << " (the locale is made by the ctest entry wine.locales from the package locales)"

LauncherConfiguration quietConfiguration() {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main");
    config.message(1009, englishInternalError);
    config.localeBlocks.push_back({"de", {{1009, germanInternalError}}});
    config.localeBlocks.push_back({"de_AT", {{1009, u"\u00D6sterreichischer Fehler {0}."}}});
    return config;
}

std::string ansi(std::u16string text) {
    std::string bytes;
    for (char16_t c : text) bytes += static_cast<char>(c);  // the texts above stay within Latin-1
    return bytes;
}

std::string expectedInternalError() {
    std::string text = ansi(germanRun() ? germanInternalError : englishInternalError);
    return text.replace(text.find("{0}"), 3, "16");
}

RunOptions withLog(const std::wstring& arguments = L"") {
    RunOptions options = withArguments(arguments);
    options.environment[L"TESSEL_LOG"] = L"yes";
    return options;
}

TEST(Locale, DetectedLocaleIsLoggedAndSelectsTheMessageOfAFailedExtraction) {
    REQUIRE_REQUESTED_LOCALE();
    LauncherSandbox sandbox(sandboxName());
    LauncherConfiguration config = quietConfiguration();
    config.includedFiles.push_back({"data.bin", std::string(1000, 'x')});

    // The included-files stream ends inside the content of its only record.
    std::string image = readWholeFile(LauncherSandbox::launcherExe());
    std::optional<uint64_t> offset = configurationBlockOffset(image);
    ASSERT_TRUE(offset);
    std::string block = writeConfigurationBlock(config);
    std::wstring exe = sandbox.writeFile(L"app.exe", image.substr(0, *offset) + block.substr(0, block.size() - 600));

    LauncherRun run = sandbox.run(exe);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, expectedInternalError() + "\r\n");

    run = sandbox.run(exe, withLog());
    EXPECT_EQ(run.exitCode, 1u);
    std::wstring log = sandbox.tempDirectory() + L"\\ovn_nlog_1.log";
    wchar_t longLog[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameW(log.c_str(), longLog, MAX_PATH), 0u);
    EXPECT_EQ(run.standardError, expectedInternalError() + "\r\n\r\nLog: " + narrow(longLog) + "\r\n");
    std::string locale = germanRun() ? "de_DE" : "en_US";
    EXPECT_NE(readWholeFile(log).find("] language/country is " + locale + "\r\n"), std::string::npos);
}

}  // namespace
