// Temporary directories, the launcher's own temporary directory and the
// extraction of the included files.
#pragma once

#include <string>

// The launcher's own temporary directory; empty when none was created.
std::string& launcherTempDir();

// The temporary directory in UTF-16; empty (or fatal, with fatalIfNone) when none is usable.
std::u16string getTempDirWide(bool fatalIfNone);

// Copies the included files into launcherTempDir; 0 on success, else the
// error code of the failed record.
int extractIncludedFiles(bool createDir);

// Deletes what is inside the directory (one level further with recurse).
void removeTree(const std::string& directory, bool recurse);
