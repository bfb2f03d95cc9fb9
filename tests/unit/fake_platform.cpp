#include "tests/unit/fake_platform.h"

#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/message_table.h"
#include "launcher/platform.h"

FakePlatform& fakePlatform() {
    static FakePlatform platform;
    return platform;
}

namespace {

class RecordingPlatform : public Platform {
public:
    bool logEnabled() override { return true; }
    void writeLogLine(bool isError, const std::u16string& message) override {
        fakePlatform().logLines.push_back((isError ? u"ERROR: " : u"") + message);
    }
    std::u16string logFileName() override { return fakePlatform().logFile; }
    void showErrorText(const std::u16string& text) override {
        fakePlatform().shownErrors.push_back(composeErrorText(text, fakePlatform().logFile));
    }
    [[noreturn]] void exitLauncher(int exitCode) override { throw LauncherExit{exitCode}; }
};

RecordingPlatform recording;
// Installed before any test runs, so no test can end the test process.
const bool recordingInstalled = (installPlatform(recording), true);

}  // namespace

void resetLauncherForTest() {
    fakePlatform() = FakePlatform();
    configStore().clear();
    messageTable().clear();
    launcherState() = LauncherState();
}

