// The names the temporary-directory code makes and the directories it
// tries, in the order it tries them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// The user's own temporary directories in the order they are tried; an
// absent value leaves out the candidates built from it. Directories that
// other users share (the Windows directory, C:\temp, C:\tmp) are never
// candidates: whatever the launcher leaves there, others could read or
// replace.
template <typename String>
std::vector<TempDirCandidate<String>> tempDirCandidates(const std::optional<String>& systemTemp,
                                                        const std::optional<String>& userProfile,
                                                        const std::optional<String>& homeDrive,
                                                        const std::optional<String>& homePath) {
    const std::string profileTail = "\\AppData\\Local\\Temp";
    std::optional<String> profileTemp, home;
    if (userProfile) profileTemp = *userProfile + String(profileTail.begin(), profileTail.end());
    if (homeDrive && homePath) home = *homeDrive + *homePath;
    std::vector<TempDirCandidate<String>> list;
    // Without the long-name test in the second round: names outside the
    // ANSI code page only as a last resort.
    for (bool checkLongName : {true, false}) {
        if (systemTemp) list.push_back({*systemTemp, true, checkLongName});
        if (profileTemp) list.push_back({*profileTemp, false, checkLongName});
        if (home) list.push_back({*home, false, checkLongName});
    }
    return list;
}
