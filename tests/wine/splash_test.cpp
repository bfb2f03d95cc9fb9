// The splash screen: which stored image the runtime's splash library gets at
// which display scale ("J2D_UISCALE" stands in for the monitor), and its
// closing before an error is shown.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

// Image k is a grey bitmap of 40 x 20 pixels times its scale 1 + 0.25 k, the
// stored variants one pixel wider, so that a rescaled base image differs.
std::string splashImage(int k) {
    int width = 40 + 10 * k + (k > 0), height = 20 + 5 * k, size = 54 + (width * 3 + 3) / 4 * 4 * height;
    std::string bytes(size, '\x80');
    BITMAPFILEHEADER file = {0x4D42, DWORD(size), 0, 0, 54};
    BITMAPINFOHEADER info = {40, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    memcpy(&bytes[0], &file, sizeof file);
    memcpy(&bytes[sizeof file], &info, sizeof info);
    return bytes;
}

// Resources first: rewriting them drops whatever follows the image, the block too.
std::wstring makeSplashLauncher(LauncherSandbox& sandbox, const std::vector<int>& images) {
    std::wstring base = sandbox.writeFile(L"base.exe", LauncherSandbox::launcherImage());
    HANDLE update = BeginUpdateResourceW(base.c_str(), FALSE);
    for (int k : images) {
        std::string image = splashImage(k);
        UpdateResourceW(update, RT_RCDATA, MAKEINTRESOURCEW(10000 + k), 0, image.data(), DWORD(image.size()));
    }
    EXPECT_TRUE(EndUpdateResourceW(update, FALSE));
    LauncherConfiguration config = appConfiguration().set(108, "1").message(1005, u"No VM.");
    return sandbox.writeFile(L"app.exe", makeLauncherFile(readFile(base), config));
}

TEST(Splash, LibraryGetsTheImageThatFitsTheScale) {
    struct Case {
        const wchar_t *uiScale, *library;
        std::vector<int> images;
        std::string factor, loaded, logged;  // the library's calls after SplashInit; a log line
        bool vmFails = false;                // the splash closes before the error is shown
    } cases[] = {
        {L"96", L"splashscreen.dll", {0, 2}, "", "40x20", "splash load memory returned 3 1 (", true},
        {L"144", L"splashscreen.dll", {0, 2}, "1.500000", "61x30", "splash load memory returned 2 1 ("},
        {L"144", L"splashscreen.dll", {0}, "1.500000", "60x30", "scaling splash image 1.500000"},
        {L"144", L"splashscreen_old.dll", {0, 2}, "", "40x20", "splash load memory returned 3 1 ("},
        {L"144", L"planted.dll", {0}, "", "", "ERROR: Could not find functions in splashscreen.dll"},
        {L"144", L"", {0}, "", "", "ERROR: Could not load splashscreen.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.uiScale) + " " + utf8(c.library));
        LauncherSandbox sandbox;
        TestRuntime runtime(sandbox.path(L"jre"));
        if (*c.library) runtime.install(c.library, L"splashscreen.dll");
        if (c.vmFails) runtime.configureVm("create=fail");
        RunOptions options = isolatedRun();
        options.environment[L"J2D_UISCALE"] = c.uiScale;
        LauncherRun run = sandbox.run(makeSplashLauncher(sandbox, c.images), options);
        EXPECT_EQ(run.exitCode, c.vmFails ? 1u : 0u);
        EXPECT_EQ(run.standardError.rfind("splash closed\r\nNo VM.\r\n", 0) == 0, c.vmFails) << run.standardError;
        std::vector<std::string> expected;
        if (!c.loaded.empty()) expected.push_back("SplashInit");
        if (!c.factor.empty()) expected.push_back("SplashSetScaleFactor " + c.factor);
        if (!c.loaded.empty()) expected.push_back("SplashLoadMemory " + c.loaded);
        if (c.vmFails) expected.push_back("SplashClose");
        std::vector<std::string> transcript = splitLines(readFile(runtime.binDirectory() + L"\\splash.log"));
        for (std::string& line : transcript) line = line.substr(0, line.find(" ("));  // without the length
        EXPECT_EQ(transcript, expected);
        EXPECT_FALSE(linesWith(sandbox.takeLog(), c.logged).empty()) << c.logged;
    }
}

}  // namespace
