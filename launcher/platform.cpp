#include "launcher/platform.h"

#include <cstdlib>

namespace {

class SilentPlatform : public Platform {
public:
    bool logEnabled() override { return false; }
    void writeLogLine(bool, const std::u16string&) override {}
    std::u16string logFileName() override { return {}; }
    void showErrorText(const std::u16string&) override {}
    [[noreturn]] void exitLauncher(int exitCode) override { std::_Exit(exitCode); }
};

Platform* installed = nullptr;

}  // namespace

Platform& platform() {
    static SilentPlatform silent;
    return installed ? *installed : silent;
}

void installPlatform(Platform& platform) { installed = &platform; }
