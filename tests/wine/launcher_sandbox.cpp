#include "tests/wine/launcher_sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

HANDLE inheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

struct IgnoringCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
};

// The current environment with the overrides applied, as a sorted block.
std::wstring environmentBlock(const std::map<std::wstring, std::wstring>& overrides) {
    std::map<std::wstring, std::wstring, IgnoringCase> variables;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1)
        if (const wchar_t* eq = wcschr(p + 1, L'=')) variables[std::wstring(p, eq)] = eq + 1;
    FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : overrides) {
        variables.erase(name);
        if (!value.empty()) variables[name] = value;
    }
    std::wstring result;
    for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
    return result + L'\0';
}

}  // namespace

std::wstring windowsPathFromEnvironment(const char* unixPath) {
    std::wstring path = utf16(unixPath ? unixPath : "");
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path.empty() || path[0] != L'\\' ? path : L"Z:" + path;
}

void removeDirectoryTree(const std::wstring& directory) {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

RunOptions isolatedRun(bool log) {
    RunOptions options{L"-q_ovn_internal", {{L"PATH", L"C:\\windows\\system32;C:\\windows"}}};
    if (log) options.environment[L"TESSEL_LOG"] = L"yes";
    for (const wchar_t* name : {L"JAVA_HOME", L"JDK_HOME", L"TESSEL_JAVA_HOME", L"ORVANE_JAVA_HOME"})
        options.environment[name] = L"";
    return options;
}

LauncherConfiguration appConfiguration(const char* executableType) {
    LauncherConfiguration config;
    config.set(107, executableType).set(122, "com.example.Main").set(128, "B.\\jre;").set(2001, "t");
    config.message(1000, u"Example").message(1009, u"An internal error occurred (error code {0}).");
    return config;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
    return lines;
}

std::vector<std::string> linesWith(const std::vector<std::string>& lines, const std::string& text) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos) found.push_back(line);
    return found;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

LauncherSandbox::LauncherSandbox() : LauncherSandbox(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

LauncherSandbox::LauncherSandbox(const std::string& name)
    : directory_(windowsPathFromEnvironment(std::getenv("TESSEL_TEST_WORK")) + L"\\" + utf16(name)) {
    removeDirectoryTree(directory_);
    std::filesystem::create_directories(tempDirectory());
}

std::string LauncherSandbox::launcherImage() {
    std::wstring exe = windowsPathFromEnvironment(std::getenv("TESSEL_TEST_LAUNCHER"));
    std::string image = readFile(exe);
    EXPECT_FALSE(image.empty()) << "no launcher at " << utf8(exe);
    return image;
}

std::wstring LauncherSandbox::makeLauncher(const LauncherConfiguration& config, const std::wstring& name) {
    return writeFile(name, makeLauncherFile(launcherImage(), config));
}

std::wstring LauncherSandbox::writeFile(const std::wstring& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
    EXPECT_TRUE(::writeFile(path(name), bytes, false)) << utf8(path(name));
    return path(name);
}

StartedLauncher LauncherSandbox::start(const std::wstring& exe, const RunOptions& options) {
    std::map<std::wstring, std::wstring> environment = {
        {L"TMP", tempDirectory()}, {L"TEMP", tempDirectory()}, {L"TESSEL_LOG", L""}, {L"ORVANE_LOG", L""}};
    for (const auto& [name, value] : options.environment) environment[name] = value;
    std::wstring block = environmentBlock(environment);

    std::wstring suffix = starts_++ == 0 ? L"" : std::to_wstring(starts_);  // concurrent runs
    std::wstring outPath = path(L"stdout" + suffix + L".txt"), errPath = path(L"stderr" + suffix + L".txt");
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = inheritableFile(outPath);
    startup.hStdError = inheritableFile(errPath);
    std::wstring commandLine = L"\"" + exe + L"\"" + (options.arguments.empty() ? L"" : L" " + options.arguments);
    PROCESS_INFORMATION process = {};
    DWORD flags = CREATE_UNICODE_ENVIRONMENT;
    BOOL started = options.token
                       ? CreateProcessAsUserW(options.token, nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags,
                                              block.data(), directory_.c_str(), &startup, &process)
                       : CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, block.data(),
                                        directory_.c_str(), &startup, &process);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    EXPECT_TRUE(started) << "could not start " << utf8(commandLine) << ": " << GetLastError();
    if (started) CloseHandle(process.hThread);
    return {process.hProcess, process.dwProcessId, outPath, errPath};
}

LauncherRun LauncherSandbox::finish(StartedLauncher launcher) {
    LauncherRun result;
    if (!launcher.process) return result;
    if (WaitForSingleObject(launcher.process, 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << utf8(launcher.outPath) << ": the launcher did not end within 60 s";
        TerminateProcess(launcher.process, 99);
        WaitForSingleObject(launcher.process, 5000);
    }
    GetExitCodeProcess(launcher.process, &result.exitCode);
    CloseHandle(launcher.process);
    result.standardOutput = readFile(launcher.outPath);
    result.standardError = readFile(launcher.errPath);
    return result;
}

std::vector<std::string> LauncherSandbox::takeLog() {
    std::wstring file = tempDirectory() + L"\\ovn_nlog_1.log";
    std::vector<std::string> messages;
    for (const std::string& line : splitLines(readFile(file))) {
        size_t stamp = line.find("] ");
        if (line.rfind("[", 0) == 0 && stamp != std::string::npos) messages.push_back(line.substr(stamp + 2));
    }
    DeleteFileW(file.c_str());
    return messages;
}

std::vector<std::wstring> LauncherSandbox::tempEntries() const {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(tempDirectory()))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}
