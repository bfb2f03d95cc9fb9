// Splitting of command lines and of option texts into LauncherArgs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Element 0 is the program token, the application's arguments follow.
using LauncherArgs = std::vector<std::u16string>;

// Appends one element per token. Only U+0020 separates tokens; single and
// double quotes group, and there is no escape character.
void splitCommandLine(std::u16string_view text, LauncherArgs& args);

// Removes the log option when it is element 1 and reports whether it was there.
bool takeLogOption(LauncherArgs& args);
