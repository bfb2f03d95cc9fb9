// Runs real launcher files under Wine: each test gets a directory of its own
// with its own temporary directory (TMP/TEMP), so log files and extracted
// files of concurrent tests never meet.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "builder/config_block_writer.h"
#include "tests/fakejava/fake_files.h"

struct LauncherRun {
    DWORD exitCode = 0;
    std::string standardOutput, standardError;
};

struct RunOptions {
    std::wstring arguments = L"";                           // after the program name
    std::map<std::wstring, std::wstring> environment = {};  // set for the child; "" removes
    HANDLE token = nullptr;                                 // run under this token when given
};

// "-q_ovn_internal" (fatal texts go to stderr), no Java reaching the
// launcher but what the test puts there, and the log on when asked.
RunOptions isolatedRun(bool log = true);

// Settings every start needs: the executable type, a main class, the
// runtime "jre" beside the launcher, and the internal-error message.
LauncherConfiguration appConfiguration(const char* executableType = "0");

struct StartedLauncher {  // a launcher process that runs while the test goes on
    HANDLE process = nullptr;
    DWORD processId = 0;
    std::wstring outPath, errPath;
};

class LauncherSandbox {
public:
    // Named after the running test unless given a name.
    LauncherSandbox();
    explicit LauncherSandbox(const std::string& name);

    static std::string launcherImage();  // the generic launcher as built

    // A launcher file with the given block in the sandbox; returns its path.
    std::wstring makeLauncher(const LauncherConfiguration& config, const std::wstring& name = L"app.exe");
    std::wstring writeFile(const std::wstring& name, const std::string& bytes);

    LauncherRun run(const std::wstring& exe, const RunOptions& options = {}) { return finish(start(exe, options)); }
    StartedLauncher start(const std::wstring& exe, const RunOptions& options = {});
    static LauncherRun finish(StartedLauncher started);  // waits at most 60 s
    // The messages of the first log file without their time stamps; the file
    // is removed, so the next run's log is the first again.
    std::vector<std::string> takeLog();

    const std::wstring& directory() const { return directory_; }
    std::wstring path(const std::wstring& name) const { return directory_ + L"\\" + name; }
    std::wstring tempDirectory() const { return path(L"tmp"); }
    // Names (not paths) of the entries of the sandbox's temporary directory, sorted.
    std::vector<std::wstring> tempEntries() const;

private:
    std::wstring directory_;
    int starts_ = 0;
};

bool fileExists(const std::wstring& path);
// A unix path from the build's environment as Wine's Z: drive sees it.
std::wstring windowsPathFromEnvironment(const char* unixPath);
void removeDirectoryTree(const std::wstring& directory);
std::string lowerAscii(std::string text);
std::vector<std::string> splitLines(const std::string& text);  // at CR LF or LF
std::vector<std::string> linesWith(const std::vector<std::string>& lines, const std::string& text);
bool contains(const std::vector<std::string>& lines, const std::string& line);
