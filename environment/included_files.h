// The included files: their names from the settings, the checks that keep
// them inside the launcher's temporary directory, their extraction from the
// included-files stream, and the names of the temporary files and directories.
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
    // False when the directory neither could be created nor existed.
    virtual bool createDirectory(const std::string& path) = 0;
    // An empty pointer when the file cannot be created; the sink closes the
    // file when it is destroyed.
    virtual std::unique_ptr<ByteSink> createFile(const std::string& path) = 0;
};

// Extracts one record per name from the source's position into directory.
// Every name is checked before anything is created; an unsafe name, an empty
// directory or a file that cannot be created ends the process with message
// 1009 and "11". Returns 0, or the copy error of the failed record.
int extractIncludedFilesFrom(ByteSource& source, const std::string& directory, const std::vector<std::string>& names,
                             ExtractionTarget& target);

// "%s_dir%d" of the unique temporary file and the time in seconds.
std::string launcherTempDirName(const std::string& tempFile, int64_t secondsSince1970);
// "%s\tsltw%d%d" of the candidate directory, the process id and a random number.
template <typename String>
String probeDirectoryName(const String& candidate, unsigned long processId, int random) {
    std::string tail = "\\tsltw" + std::to_string(processId) + std::to_string(random);
    return candidate + String(tail.begin(), tail.end());
}
// "%stsl%d", a backslash added to the directory unless it ends in one or "/".
std::string fallbackTempFileName(const std::string& directory, int random);

template <typename String>
struct TempDirCandidate {
    String path;
    bool createFirst;
    bool checkLongName;
};

// The temporary directory candidates in the order they are tried; an absent
// value leaves out the candidates built from it.
template <typename String>
std::vector<TempDirCandidate<String>> tempDirCandidates(const std::optional<String>& systemTemp,
                                                        const std::optional<String>& userProfile,
                                                        const std::optional<String>& homeDrive,
                                                        const std::optional<String>& homePath,
                                                        const String& windowsDirectory) {
    auto text = [](const char* s) { return String(s, s + std::char_traits<char>::length(s)); };
    std::vector<TempDirCandidate<String>> list;
    auto add = [&list](const std::optional<String>& path, bool createFirst, bool checkLongName) {
        if (path) list.push_back({*path, createFirst, checkLongName});
    };
    std::optional<String> profileTemp, home;
    if (userProfile) profileTemp = *userProfile + text("\\AppData\\Local\\Temp");
    if (homeDrive && homePath) home = *homeDrive + *homePath;
    add(systemTemp, true, true);
    add(profileTemp, false, true);
    add(home, false, true);
    add(windowsDirectory + text("\\temp"), false, false);
    add(text("c:\\temp"), false, false);
    add(text("c:\\tmp"), false, false);
    add(windowsDirectory, false, false);
    add(text("c:\\tmp"), true, false);
    // Without the long-name test: names outside the ANSI code page only as a last resort.
    add(systemTemp, true, false);
    add(profileTemp, false, false);
    add(home, false, false);
    return list;
}
