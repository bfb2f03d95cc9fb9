// The splash screen: which stored image the runtime's splash library gets at
// which display scale ("J2D_UISCALE" stands in for the monitor), rescaled or
// as stored, and its closing before an error is shown.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

// An uncompressed 24-bit bitmap of the given size, grey.
std::string bitmap(int width, int height) {
    int row = (width * 3 + 3) / 4 * 4, size = 54 + row * height;
    std::string bytes(size, '\x80');
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(size), 0, 0, 54};
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    memcpy(bytes.data(), &file, sizeof file);
    memcpy(bytes.data() + sizeof file, &info, sizeof info);
    return bytes;
}

// The image for offset k is 40 x 20 pixels times its scale 1 + 0.25 k, so the
// transcript tells which one the library got.
std::string splashImage(int k) { return bitmap(40 + 10 * k, 20 + 5 * k); }

// The generic launcher with the images as RT_RCDATA resources 10000 + k, the
// block appended afterwards: rewriting resources drops data after the image.
std::wstring makeSplashLauncher(LauncherSandbox& sandbox, const std::vector<int>& offsets) {
    std::wstring base = sandbox.writeFile(L"base.exe", LauncherSandbox::launcherImage());
    HANDLE update = BeginUpdateResourceW(base.c_str(), FALSE);
    EXPECT_NE(update, nullptr);
    for (int k : offsets) {
        std::string image = splashImage(k);
        EXPECT_TRUE(UpdateResourceW(update, RT_RCDATA, MAKEINTRESOURCEW(10000 + k), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                    image.data(), static_cast<DWORD>(image.size())));
    }
    EXPECT_TRUE(EndUpdateResourceW(update, FALSE));
    return sandbox.writeFile(L"app.exe", makeLauncherFile(readFile(base), appConfiguration().set(108, "1").message(1005, u"No VM.")));
}

std::vector<std::string> withoutLengths(std::vector<std::string> lines) {
    for (std::string& line : lines) line = line.substr(0, line.find(" ("));
    return lines;
}

struct Case {
    const wchar_t* uiScale;
    std::vector<int> offsets;
    const wchar_t* library;
    std::vector<std::string> transcript;  // after SplashInit, without lengths
    std::string logged;                   // a log line that must be there
};

TEST(Splash, LibraryGetsTheImageThatFitsTheScale) {
    const char* base = "SplashLoadMemory bmp 40x20";
    const Case cases[] = {
        {L"96", {0, 2}, L"splashscreen.dll", {base}, "splash load memory returned 3 1 ("},
        {L"144", {0, 2}, L"splashscreen.dll", {"SplashSetScaleFactor 1.500000", "SplashLoadMemory bmp 60x30"},
         "splash load memory returned 2 1 ("},
        // The base image alone, rescaled to 150 % and re-encoded.
        {L"144", {0}, L"splashscreen.dll", {"SplashSetScaleFactor 1.500000", "SplashLoadMemory png 60x30"},
         "scaling splash image 1.500000"},
        // No image at 2.0 or above: the next one below (1.5), scaled by 1.33.
        {L"192", {0, 2}, L"splashscreen.dll", {"SplashSetScaleFactor 2.000000", "SplashLoadMemory png 80x40"},
         "splash load memory returned 1 1 ("},
        {L"124.8", {0, 1}, L"splashscreen.dll", {"SplashSetScaleFactor 1.250000", "SplashLoadMemory bmp 50x25"},
         "setting scale factor 1.300000"},
        {L"2", {0, 2}, L"splashscreen.dll", {base}, "scale factor 0.020833"},
        {L"144", {0, 2}, L"splashscreen_old.dll", {base}, "splash load memory returned 3 1 ("},
        {L"144", {0}, L"planted.dll", {}, "ERROR: Could not find functions in splashscreen.dll"},
        {L"144", {0}, L"", {}, "ERROR: Could not load splashscreen.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.uiScale) + " " + utf8(c.library));
        LauncherSandbox sandbox;
        TestRuntimeSetup setup;
        setup.splashLibrary = c.library;
        TestRuntime runtime(sandbox.path(L"jre"), setup);
        RunOptions options = isolatedRun();
        options.environment[L"J2D_UISCALE"] = c.uiScale;
        LauncherRun run = sandbox.run(makeSplashLauncher(sandbox, c.offsets), options);
        EXPECT_EQ(run.exitCode, 0u) << run.standardError;
        std::vector<std::string> transcript = withoutLengths(runtime.splashTranscript());
        std::vector<std::string> expected = c.transcript;
        if (!expected.empty()) expected.insert(expected.begin(), "SplashInit");
        EXPECT_EQ(transcript, expected);
        std::vector<std::string> log = sandbox.takeLog();
        EXPECT_FALSE(linesWith(log, c.logged).empty()) << c.logged;
    }
}

TEST(Splash, ClosedBeforeAnErrorIsShown) {
    LauncherSandbox sandbox;
    TestRuntimeSetup setup;
    setup.splashLibrary = L"splashscreen.dll";
    setup.vm.creationFails = true;
    TestRuntime runtime(sandbox.path(L"jre"), setup);
    LauncherRun run = sandbox.run(makeSplashLauncher(sandbox, {0}), isolatedRun(false));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(runtime.splashTranscript().back(), "SplashClose");
    EXPECT_EQ(run.standardError, "splash closed\r\nNo VM.\r\n");
}

}  // namespace
