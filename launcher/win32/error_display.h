// Showing error texts and ending the process.
#pragma once

#include <string>

// In a message box, or in quiet mode on the console or the standard error stream.
void displayErrorText(const std::u16string& text);
// Removes the launcher temporary directory (unless a language restart is
// under way) and ends the process at once.
[[noreturn]] void endLauncher(int exitCode);
