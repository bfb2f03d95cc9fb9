#include "tests/wine/launcher_sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Unix paths from the build (/work/...) are reached through Wine's Z: drive.
std::wstring windowsPathFromEnvironment(const char* unixPath) {
    std::wstring path = widen(unixPath ? unixPath : "");
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
    return path;
}

void removeDirectoryTree(const std::wstring& directory) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((directory + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = directory + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeDirectoryTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(directory.c_str());
}

namespace {

HANDLE inheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The current environment with the overrides applied, as a sorted block.
std::wstring environmentBlock(const std::map<std::wstring, std::wstring>& overrides) {
    std::map<std::wstring, std::wstring> variables;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
        std::wstring entry = p;
        size_t eq = entry.find(L'=', 1);
        if (eq != std::wstring::npos) variables[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : overrides) {
        for (auto it = variables.begin(); it != variables.end();) {
            it = _wcsicmp(it->first.c_str(), name.c_str()) == 0 ? variables.erase(it) : std::next(it);
        }
        if (!value.empty()) variables[name] = value;
    }
    std::wstring result;
    for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
    result += L'\0';
    return result;
}

}  // namespace

std::string narrow(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring widen(const std::string& text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string readWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

LauncherSandbox::LauncherSandbox(const std::string& testName) {
    std::wstring root = windowsPathFromEnvironment(std::getenv("TESSEL_TEST_WORK"));
    CreateDirectoryW(root.c_str(), nullptr);
    directory_ = root + L"\\" + widen(testName);
    removeDirectoryTree(directory_);
    CreateDirectoryW(directory_.c_str(), nullptr);
    tempDirectory_ = directory_ + L"\\tmp";
    CreateDirectoryW(tempDirectory_.c_str(), nullptr);
}

std::wstring LauncherSandbox::launcherExe() { return windowsPathFromEnvironment(std::getenv("TESSEL_TEST_LAUNCHER")); }

std::wstring LauncherSandbox::makeLauncher(const std::wstring& name, const LauncherConfiguration& config) {
    std::string image = readWholeFile(launcherExe());
    EXPECT_FALSE(image.empty()) << "no launcher at " << narrow(launcherExe());
    return writeFile(name, makeLauncherFile(image, config));
}

std::wstring LauncherSandbox::writeFile(const std::wstring& name, const std::string& bytes) {
    std::wstring path = directory_ + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

LauncherRun LauncherSandbox::run(const std::wstring& exe, const RunOptions& options) {
    std::map<std::wstring, std::wstring> environment = {
        {L"TMP", tempDirectory_}, {L"TEMP", tempDirectory_}, {L"TESSEL_LOG", L""}, {L"ORVANE_LOG", L""}};
    for (const auto& [name, value] : options.environment) environment[name] = value;
    std::wstring block = environmentBlock(environment);

    std::wstring outPath = directory_ + L"\\stdout.txt", errPath = directory_ + L"\\stderr.txt";
    HANDLE out = inheritableFile(outPath), err = inheritableFile(errPath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!options.arguments.empty()) commandLine += L" " + options.arguments;
    PROCESS_INFORMATION process = {};
    DWORD flags = CREATE_UNICODE_ENVIRONMENT;
    BOOL started = options.token
                       ? CreateProcessAsUserW(options.token, nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags,
                                              block.data(), directory_.c_str(), &startup, &process)
                       : CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, block.data(),
                                        directory_.c_str(), &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    LauncherRun result;
    EXPECT_TRUE(started) << "could not start " << narrow(commandLine) << ": " << GetLastError();
    if (!started) return result;
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << narrow(commandLine) << " did not end within 60 s";
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.standardOutput = readWholeFile(outPath);
    result.standardError = readWholeFile(errPath);
    return result;
}

std::vector<std::wstring> LauncherSandbox::tempEntries() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((tempDirectory_ + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}
