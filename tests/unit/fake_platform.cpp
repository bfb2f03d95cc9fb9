#include "tests/unit/fake_platform.h"

#include <gtest/gtest.h>

#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
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

struct ResetBeforeEachTest : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { resetLauncherForTest(); }
};

// Before any test runs, so that no test can end the test process.
const bool installed = [] {
    static RecordingPlatform recording;
    installPlatform(recording);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return true;
}();

}  // namespace

void resetLauncherForTest() {
    fakePlatform() = FakePlatform();
    configStore().clear();
    messageTable().clear();
    launcherState() = LauncherState();
}

