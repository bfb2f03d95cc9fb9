// The display measurements and image work of the splash screen. The system
// libraries they need (shcore, d2d1, ole32 with the imaging component) are
// loaded only when a splash is shown, so the launcher does not import them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "launcher/win32/system_library.h"

struct MonitorDpi {
    float x = -1, y = -1;  // -1 when not available
};

// "J2D_UISCALE" (read once per process) when it is a positive number, else
// the monitor's effective DPI, else the desktop DPI.
MonitorDpi getMonitorDpi(HMONITOR monitor);

// The image scaled by the ratio and encoded as PNG; none on any failure.
std::optional<std::string> rescaleSplashImage(float ratio, const void* bytes, DWORD length);
