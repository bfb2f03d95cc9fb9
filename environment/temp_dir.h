// Temporary directories, the launcher's own temporary directory and the
// extraction of the included files.
#pragma once

#include <cstdint>
#include <string>

// The launcher's own temporary directory; empty when none was created.
// Only createLauncherTempDir sets it.
const std::string& launcherTempDir();
// Position in the launcher file after the last included-file record; 0 when none.
uint64_t unextractedPosition();

// The temporary directory (cached after the first search). The ANSI form
// ends the process with message 1015 when none is usable; the UTF-16 form
// does so only with fatalIfNone and otherwise gives empty text.
std::string getTempDirAnsi();
std::u16string getTempDirWide(bool fatalIfNone);

// A unique file path in the temporary directory (the system creates the file).
std::string makeTempFileName();

// Creates launcherTempDir, for the current user only, or ends the process
// (message 1009, "7"). A directory of that name that exists already is never
// taken: another name is tried.
void createLauncherTempDir();

// Copies the included files into launcherTempDir; 0 on success, else the
// error code of the failed record.
int extractIncludedFiles(bool createDir);

// Removes launcherTempDir with what extraction put there; links found in it
// are removed, never followed.
void removeLauncherTempDir();
