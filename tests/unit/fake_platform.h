// Stand-ins for the platform side of the core: the log and the error display
// record what they are given, and exitLauncher throws instead of ending the
// test process. Every test starts with them, the settings, the messages and
// the launcher flags empty.
#pragma once

#include <string>
#include <vector>

struct LauncherExit {
    int code;
};

struct FakePlatform {
    std::vector<std::u16string> logLines;  // "ERROR: " in front for logError
    std::vector<std::u16string> shownErrors;
    std::u16string logFile;
};

FakePlatform& fakePlatform();

// Empties them again, for tests that load more than once.
void resetLauncherForTest();

// The code of the LauncherExit the call ends with, or -1 when it returns.
template <typename F>
int exitCodeOf(F&& call) {
    try {
        call();
    } catch (const LauncherExit& exit) {
        return exit.code;
    }
    return -1;
}
