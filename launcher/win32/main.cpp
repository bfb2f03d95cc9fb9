#include <windows.h>

#include "launcher/win32/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLineTail, int showWindow) {
    return runStartupSequence(commandLineTail ? commandLineTail : "", showWindow);
}
