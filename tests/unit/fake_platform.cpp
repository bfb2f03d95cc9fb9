#include "tests/unit/fake_platform.h"

#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/log_format.h"
#include "launcher/message_table.h"

FakePlatform& fakePlatform() {
    static FakePlatform platform;
    return platform;
}

void resetLauncherForTest() {
    fakePlatform() = FakePlatform();
    configStore().clear();
    messageTable().clear();
    launcherState() = LauncherState();
}

void logMessageV(bool isError, const char16_t* format, va_list args) {
    std::u16string line = isError ? u"ERROR: " : u"";
    fakePlatform().logLines.push_back(line + formatWideV(format, args));
}

std::u16string logFileName() { return fakePlatform().logFile; }

void showErrorText(const std::u16string& text) {
    fakePlatform().shownErrors.push_back(composeErrorText(text, fakePlatform().logFile));
}

void exitLauncher(int exitCode) { throw LauncherExit{exitCode}; }
