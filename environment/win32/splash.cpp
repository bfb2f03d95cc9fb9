#include "environment/splash.h"

#include <windows.h>

#include <utility>

#include "environment/splash_variant.h"
#include "environment/win32/splash_image.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/log.h"

namespace {

// The entry points of the runtime's splash library; plain C calls.
struct SplashLibrary {
    void (*init)() = nullptr;
    int (*loadMemory)(void* data, int size) = nullptr;
    void (*setScaleFactor)(float scale) = nullptr;
    void (*close)() = nullptr;
};

bool splashShown = false;
SplashLibrary library;

struct StoredImage {
    HRSRC resource = nullptr;
    void* data = nullptr;
    int length = 0;
};

HRSRC findImage(int offset) {
    return FindResourceW(nullptr, MAKEINTRESOURCEW(splashResourceBase + offset), RT_RCDATA);
}

StoredImage storedImage(int offset) {
    StoredImage image;
    image.resource = findImage(offset);
    HGLOBAL loaded = image.resource ? LoadResource(nullptr, image.resource) : nullptr;
    image.data = loaded ? LockResource(loaded) : nullptr;
    image.length = image.data ? static_cast<int>(SizeofResource(nullptr, image.resource)) : 0;
    return image;
}

bool loadLibrary() {
    std::string path = jvmHome() + "\\bin\\splashscreen.dll";
    logLine(u"loading splashscreen dll from %S", path.c_str());
    // Its own directory first for the libraries it needs; it stays loaded, as its window lives on.
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        logError(u"Could not load splashscreen.dll");
        return false;
    }
    library.close = systemFunction<decltype(library.close)>(module, "SplashClose");
    library.init = systemFunction<decltype(library.init)>(module, "SplashInit");
    library.loadMemory = systemFunction<decltype(library.loadMemory)>(module, "SplashLoadMemory");
    if (!library.close || !library.init || !library.loadMemory) {
        library.close = nullptr;
        logError(u"Could not find functions in splashscreen.dll");
        return false;
    }
    library.setScaleFactor = systemFunction<decltype(library.setScaleFactor)>(module, "SplashSetScaleFactor");
    return true;
}

// Which way the image went (1 rescaled, 2 a variant as stored, 3 the base image), the result and the bytes.
void logLoaded(int way, int result, const StoredImage& image, const void* data, int length) {
    logLine(u"splash load memory returned %d %d (%p, %p, %d)", way, result, image.resource, data, length);
}

// Hands the image over as the choice says; a failed rescale falls back to the variant as stored.
void loadImage(float scale, const SplashChoice& choice) {
    StoredImage image = storedImage(choice.offset);
    if (!image.data) return;
    if (choice.handling == SplashHandling::baseWithoutScale) {
        logLoaded(3, library.loadMemory(image.data, image.length), image, image.data, image.length);
        return;
    }
    if (choice.handling == SplashHandling::rescaled) {
        logLine(u"scaling splash image %f", choice.ratio);
        if (std::optional<std::string> png = rescaleSplashImage(choice.ratio, image.data, image.length)) {
            library.setScaleFactor(scale);
            int length = static_cast<int>(png->size());
            logLoaded(1, library.loadMemory(png->data(), length), image, png->data(), length);
            logLine(u"setting scale factor %f", scale);
            return;
        }
    }
    library.setScaleFactor(choice.imageScale);
    logLoaded(2, library.loadMemory(image.data, image.length), image, image.data, image.length);
    logLine(u"setting scale factor %f", scale);
}

}  // namespace

void showSplash(int showWindow) {
    if (showWindow == 0) {
        // Closed once: a library's second close would act on a splash it has already freed.
        if (splashShown && library.close) std::exchange(library.close, nullptr)();
        return;
    }
    MonitorDpi dpi = getMonitorDpi(USER32_CALL(MonitorFromPoint, POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    float scale = splashScale(dpi.x);
    logLine(u"scale factor %f", scale);
    if (splashShown) return;
    splashShown = true;  // one attempt per process, also when it fails
    if (!loadLibrary()) return;
    library.init();
    SplashChoice choice = chooseSplashVariant(scale, library.setScaleFactor != nullptr, [](int offset) {
        return findImage(offset) != nullptr;
    });
    if (choice.handling != SplashHandling::baseWithoutScale) logLine(u"idOffset start %d", splashStartOffset(scale));
    loadImage(scale, choice);
}
