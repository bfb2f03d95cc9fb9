// What the portable core needs from the system it runs on. The Win32 shell
// installs its implementation when the launcher starts; the unit tests
// install a recording fake.
#pragma once

#include <string>

class Platform {
public:
    virtual ~Platform() = default;
    // Whether log lines are written; the first call decides.
    virtual bool logEnabled() = 0;
    virtual void writeLogLine(bool isError, const std::u16string& message) = 0;
    // The log file's name, or empty when no log is written.
    virtual std::u16string logFileName() = 0;
    // In a message box, or in quiet mode on the console or the standard error stream.
    virtual void showErrorText(const std::u16string& text) = 0;
    // Removes the launcher temporary directory (unless a language restart is
    // under way) and ends the process at once.
    [[noreturn]] virtual void exitLauncher(int exitCode) = 0;
};

// The installed platform; until one is installed, one that logs and shows
// nothing and ends the process with the code.
Platform& platform();
void installPlatform(Platform& platform);
