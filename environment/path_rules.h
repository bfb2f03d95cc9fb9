// The parts of path handling that need no system call: pure text rules over
// the launcher's paths, shared by both character widths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// "X:\", "X:\." or "X:\.\." (any first character): a drive root, which
// exists as far as the launcher is concerned even without a medium.
bool isDriveRootText(std::u16string_view path);

// Letters A to Z become a to z; everything else stays.
void lowerAsciiLetters(std::u16string& text);

// Up to and including the last backslash; empty when there is none.
std::string directoryPart(const std::string& path);
std::u16string directoryPart(const std::u16string& path);

// directory, a backslash unless the directory already ends in one, name.
std::string joinPath(const std::string& directory, const std::string& name);
std::u16string joinPath(const std::u16string& directory, const std::u16string& name);

// What the command interpreter printed for a short-name request, taken only
// when it exited with 0, printed more than 5 bytes and ended a line.
std::optional<std::string> shortPathFromShellOutput(const std::string& output, unsigned long exitCode);
