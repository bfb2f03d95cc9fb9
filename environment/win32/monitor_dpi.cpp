#include <d2d1.h>

#include "environment/splash_variant.h"
#include "environment/win32/process_environment.h"
#include "environment/win32/splash_image.h"
#include "launcher/win32/handle.h"

namespace {

float uiScaleDpi() {
    std::u16string value = environmentVariable(L"J2D_UISCALE").value_or(u"");
    std::string ascii;
    for (char16_t c : value) ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return parseUiScaleDpi(ascii);
}

MonitorDpi desktopDpi() {
    using CreateFactory = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);
    Module d2d(loadSystemLibrary(u"d2d1.dll"));
    auto create = systemFunction<CreateFactory>(d2d.get(), "D2D1CreateFactory");
    MonitorDpi dpi;
    ID2D1Factory* factory = nullptr;
    if (create && SUCCEEDED(create(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory), nullptr,
                                   reinterpret_cast<void**>(&factory)))) {
        factory->GetDesktopDpi(&dpi.x, &dpi.y);
        factory->Release();
    }
    return dpi;
}

}  // namespace

MonitorDpi getMonitorDpi(HMONITOR monitor) {
    static const float overrideDpi = uiScaleDpi();
    if (overrideDpi > 0) return {overrideDpi, overrideDpi};

    using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static GetDpiForMonitor getDpiForMonitor = nullptr;
    static bool shcoreLoaded = false;
    if (!shcoreLoaded) {
        HMODULE shcore = loadSystemLibrary(u"shcore.dll");
        shcoreLoaded = shcore != nullptr;  // a failed load is tried again next time
        getDpiForMonitor = systemFunction<GetDpiForMonitor>(shcore, "GetDpiForMonitor");
    }
    if (!getDpiForMonitor) return desktopDpi();
    UINT x = 0, y = 0;
    const int effectiveDpi = 0;
    if (FAILED(getDpiForMonitor(monitor, effectiveDpi, &x, &y))) return {};
    return {static_cast<float>(x), static_cast<float>(y)};
}
