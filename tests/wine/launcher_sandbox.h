// Runs real launcher files under Wine: each test gets a directory of its own
// with its own temporary directory (TMP/TEMP), so log files and extracted
// files of concurrent tests never meet.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "builder/config_block_writer.h"

struct LauncherRun {
    DWORD exitCode = 0;
    std::string standardOutput;
    std::string standardError;
};

struct RunOptions {
    std::wstring arguments;                        // after the program name
    std::map<std::wstring, std::wstring> environment;  // set for the child; "" removes
    HANDLE token = nullptr;                        // run under this token when given
};

inline RunOptions withArguments(const std::wstring& arguments) {
    RunOptions options;
    options.arguments = arguments;
    return options;
}

class LauncherSandbox {
public:
    explicit LauncherSandbox(const std::string& testName);

    // The generic launcher as built.
    static std::wstring launcherExe();

    // A launcher file with the given block in the sandbox; returns its path.
    std::wstring makeLauncher(const std::wstring& name, const LauncherConfiguration& config);
    // A launcher file made of raw bytes.
    std::wstring writeFile(const std::wstring& name, const std::string& bytes);

    LauncherRun run(const std::wstring& exe, const RunOptions& options = {});

    const std::wstring& directory() const { return directory_; }
    const std::wstring& tempDirectory() const { return tempDirectory_; }
    // Names (not paths) of the entries of the sandbox's temporary directory.
    std::vector<std::wstring> tempEntries() const;

private:
    std::wstring directory_;
    std::wstring tempDirectory_;
};

std::string readWholeFile(const std::wstring& path);
// A unix path from the build's environment as Wine's Z: drive sees it.
std::wstring windowsPathFromEnvironment(const char* unixPath);
// Deletes the directory with everything below it.
void removeDirectoryTree(const std::wstring& directory);
std::string narrow(const std::wstring& text);
std::wstring widen(const std::string& text);
// Lines split at CR LF or LF.
std::vector<std::string> splitLines(const std::string& text);
