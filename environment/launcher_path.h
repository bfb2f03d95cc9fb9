// The launcher executable's own path in both widths, and the path helpers
// and code-page conversions that every subsystem shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The launcher's identity.

// The ANSI form of the launcher's path that survives the ANSI code page and
// ends in ".exe"; computed at the first call. Empty when the system offers
// no such form: a path with replaced characters would name another file.
const std::string& launcherPathAnsi();
// The long form of the launcher's path, doubled backslashes collapsed.
const std::u16string& launcherPathWide();
// The executable's file name as the system reports it, unchanged.
std::u16string moduleFileNameWide();

struct LauncherDirectories {
    std::string ansi;          // from launcherPathAnsi, ending in a backslash
    std::u16string fromAnsi;   // ansi widened byte by byte
    std::u16string wide;       // from launcherPathWide, ending in a backslash
};
const LauncherDirectories& launcherDirectories();

// Path helpers.

bool isRelativePath(std::string_view path);
bool isRelativePath(std::u16string_view path);

// The system's absolute form of the path; empty when it fails.
std::string fullPathName(const std::string& path);
std::u16string fullPathName(const std::u16string& path);

// The path when absolute; otherwise the directory of referenceFile (when
// given) or the launcher directory, then the path; backslashes collapsed.
std::string resolveAgainstLauncherDir(const std::string& path, const std::string* referenceFile = nullptr);
std::u16string resolveAgainstLauncherDirWide(const std::u16string& path, bool useAnsiDirectory,
                                             const std::u16string* referenceFile = nullptr);

// The resolved path made absolute, lower-cased unless keepCase, collapsed.
std::string canonicalPath(const std::string& path, bool keepCase);
std::u16string canonicalPathWide(const std::u16string& path, bool keepCase);

// True when find-first-file finds the path; lastWrite gets its FILETIME.
bool findFile(const std::string& path, uint64_t* lastWrite = nullptr);
bool findFile(const std::u16string& path, uint64_t* lastWrite = nullptr);
// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::u16string& path);
// The names (not paths) of the files, not directories, that match a pattern
// such as "C:\lib\*.jar", in the system's order.
std::vector<std::string> findFileNames(const std::string& pattern);
// True for drive roots ("X:\", "X:\.", "X:\.\.") and for what findFile finds.
bool pathExists(const std::string& path);
bool pathExists(const std::u16string& path);

bool isExeName(std::string_view path);

// Runs of backslashes become one, except at the very start.
void collapseBackslashes(std::u16string& path);
void collapseBackslashes(std::string& path);

// Code-page conversion.

// To the code page of the file functions; replaced is set when a character
// could not be represented.
std::string toAnsi(std::u16string_view text, bool* replaced = nullptr);
// From the code page of the file functions; none when the system cannot
// convert the text.
std::optional<std::u16string> fromAnsi(const std::string& text);
