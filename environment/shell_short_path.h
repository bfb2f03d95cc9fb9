// The last way to an ANSI form of a path: the short (8.3) name as the
// command interpreter prints it.
#pragma once

#include <optional>
#include <string>

// The interpreter's arguments that print the short form of path, or none
// when the path holds a character the interpreter would not take as part of
// a name: "%" (variables are expanded even inside quotes), a double quote,
// and the wildcards "*" and "?" (for-loops expand them).
std::optional<std::u16string> shortPathShellArguments(const std::u16string& path);

// What the command interpreter printed for a short-name request, taken only
// when it exited with 0, printed more than 5 bytes and ended a line.
std::optional<std::string> shortPathFromShellOutput(const std::string& output, unsigned long exitCode);

// The short form through the command interpreter, or none.
std::optional<std::string> shortPathViaShell(const std::u16string& path);
