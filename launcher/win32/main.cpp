#include <windows.h>

#include "launcher/errors.h"
#include "launcher/win32/startup.h"
#include "launcher/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLineTail, int showWindow) {
    installPlatform(win32Platform());
    // Through exitLauncher also after a normal end, so that the launcher's
    // temporary directory goes with it.
    exitLauncher(runStartupSequence(commandLineTail ? commandLineTail : "", showWindow));
}
