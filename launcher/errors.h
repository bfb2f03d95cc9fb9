// Error reporting: every failure the user must see goes through here.
// The fatal forms never return.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "launcher/platform.h"

// Message ids whose roles the launcher relies on.
enum MessageId {
    msgCaption = 1000,
    msgVmStartFailed = 1005,
    msgFileNotFound = 1006,
    msgVariableUndefined = 1008,
    msgInternalError = 1009,
    msgMainClassLoad = 1010,
    msgMainMethod = 1011,
    msgPowerUser = 1015,
    msgNoJava = 1016,
    msgVariableNoJava32 = 1017,
    msgVariableNoJava64 = 1018,
    msgJavaDamaged32 = 1019,
    msgJavaDamaged64 = 1020,
};

// The message with its argument substituted for the first "{0}".
std::u16string errorMessageText(int id, const std::u16string* argument);

// "%s\n\nLog: %s" when a log is written, else the text; at most 6000 units.
std::u16string composeErrorText(const std::u16string& text, const std::u16string& longLogPath);

void showErrorMessage(int id);
void showErrorMessage(int id, std::u16string_view argument);
void showErrorMessageNarrow(int id, std::string_view argument);
[[noreturn]] void fatalError(int id);
[[noreturn]] void fatalError(int id, std::u16string_view argument);
[[noreturn]] void fatalErrorNarrow(int id, std::string_view argument);
// A fixed internal text, shown as it stands.
[[noreturn]] void fatalErrorText(std::u16string_view text);

// In a message box, or in quiet mode on the console or the standard error stream.
inline void showErrorText(const std::u16string& text) { platform().showErrorText(text); }
// Removes the launcher temporary directory (unless a language restart is
// under way) and ends the process at once.
[[noreturn]] inline void exitLauncher(int exitCode) {
    platform().exitLauncher(exitCode);
    std::_Exit(exitCode);  // not reached; the compiler cannot see that through the virtual call
}
