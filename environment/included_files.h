// The included files: their names from the settings, the checks that keep
// them inside the launcher's temporary directory, and their extraction from
// the included-files stream.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launcher/byte_source.h"

// The first count non-empty elements of the ";"-separated name list.
std::vector<std::string> includedFileNames(const std::string& nameList, int count);

// True when the name stays below the directory it is extracted into: a
// relative name of at most one directory level ("\" or "/"), no drive or
// colon, no empty, "." or ".." component and no device name.
bool isSafeIncludedName(const std::string& name);

// Ends the process with message 1009 and "11" when a name is not safe.
void refuseUnsafeIncludedNames(const std::vector<std::string>& names);

// The first directory level of the name ("lib" of "lib\a.dll"), if any.
std::optional<std::string> includedFileDirectory(const std::string& name);

// Where extraction creates what it writes.
class ExtractionTarget {
public:
    virtual ~ExtractionTarget() = default;
    // False when the directory could not be created, also when something of
    // that name exists already: only what extraction made itself is used.
    virtual bool createDirectory(const std::string& path) = 0;
    // An empty pointer when the file cannot be created or exists already;
    // the sink closes the file when it is destroyed.
    virtual std::unique_ptr<ByteSink> createFile(const std::string& path) = 0;
};

// Extracts one record per name from the source's position into directory,
// "/" in a name taken as "\". Every name is checked before anything is
// created; each subdirectory is created once. An unsafe name, an empty
// directory or a subdirectory or file that cannot be created ends the
// process with message 1009 and "11". Returns 0, or the copy error of the
// failed record.
int extractIncludedFilesFrom(ByteSource& source, const std::string& directory, const std::vector<std::string>& names,
                             ExtractionTarget& target);
