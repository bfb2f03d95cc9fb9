#include "launcher/win32/win32_platform.h"

#include "launcher/win32/error_display.h"
#include "launcher/win32/log_file.h"

namespace {

class Win32Platform : public Platform {
public:
    bool logEnabled() override { return logFileEnabled(); }
    void writeLogLine(bool isError, const std::u16string& message) override { appendLogLine(isError, message); }
    std::u16string logFileName() override { return logFilePath(); }
    void showErrorText(const std::u16string& text) override { displayErrorText(text); }
    [[noreturn]] void exitLauncher(int exitCode) override { endLauncher(exitCode); }
};

}  // namespace

Platform& win32Platform() {
    static Win32Platform platform;
    return platform;
}
