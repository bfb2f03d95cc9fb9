// Temporary directories, the launcher's own temporary directory and the
// extraction of the included files.
#pragma once

#include <cstdint>
#include <string>

// The launcher's own temporary directory; empty when none was created.
std::string& launcherTempDir();
// Position in the launcher file after the last included-file record; 0 when none.
uint64_t unextractedPosition();

// The temporary directory (cached after the first search). The ANSI form
// ends the process with message 1015 when none is usable; the UTF-16 form
// does so only with fatalIfNone and otherwise gives empty text.
std::string getTempDirAnsi();
std::u16string getTempDirWide(bool fatalIfNone);

// A unique file path in the temporary directory (the system creates the file).
std::string makeTempFileName();

// Creates launcherTempDir or ends the process (message 1009, "7").
void createLauncherTempDir();

// Copies the included files into launcherTempDir; 0 on success, else the
// error code of the failed record.
int extractIncludedFiles(bool createDir);

// Deletes what is inside the directory (one level further with recurse).
void removeTree(const std::string& directory, bool recurse);
