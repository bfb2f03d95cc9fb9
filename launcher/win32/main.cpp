#include <windows.h>

#include "launcher/win32/startup.h"
#include "launcher/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLineTail, int showWindow) {
    installPlatform(win32Platform());
    return runStartupSequence(commandLineTail ? commandLineTail : "", showWindow);
}
