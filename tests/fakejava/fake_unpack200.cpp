// unpack200.exe of the test runtimes: started as "-r "x.jar.pack" "x.jar"",
// it records its command line in unpack200.log beside itself, writes x.jar
// (the packed file's bytes behind a marker line) and, for -r, removes the
// packed file as the real tool does. "keep" in unpack200.cfg keeps the
// packed file; "fail" makes it exit with 1 without writing anything.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/fakejava/file_bytes.h"

namespace {

std::wstring ownDirectory() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, n < MAX_PATH ? n : 0);
    return directory.substr(0, directory.rfind(L'\\') + 1);
}

std::string readFile(const std::wstring& path, bool* found = nullptr) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (found) *found = file != INVALID_HANDLE_VALUE;
    return readAndCloseFile(file);
}

bool writeFile(const std::wstring& path, const std::string& bytes, bool append) {
    HANDLE file = CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// Blank-separated tokens; double quotes group and are dropped.
std::vector<std::wstring> tokens(const wchar_t* commandLine) {
    std::vector<std::wstring> result;
    std::wstring current;
    bool quoted = false, any = false;
    for (const wchar_t* p = commandLine; *p; ++p) {
        if (*p == L'"') {
            quoted = !quoted;
            any = true;
        } else if (*p == L' ' && !quoted) {
            if (any) result.push_back(current);
            current.clear();
            any = false;
        } else {
            current += *p;
            any = true;
        }
    }
    if (any) result.push_back(current);
    return result;
}

}  // namespace

int main() {
    std::wstring directory = ownDirectory();
    const wchar_t* commandLine = GetCommandLineW();
    int n = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string line(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, line.data(), n, nullptr, nullptr);
    writeFile(directory + L"unpack200.log", line + "\r\n", true);

    std::string config = readFile(directory + L"unpack200.cfg");
    if (config.find("fail") != std::string::npos) return 1;

    std::vector<std::wstring> args = tokens(commandLine);
    bool remove = false;
    std::vector<std::wstring> files;
    for (const std::wstring& arg : args) {
        if (arg == L"-r")
            remove = true;
        else
            files.push_back(arg);
    }
    // The files are the last two tokens, after the program's own.
    if (files.size() < 2) return 2;
    const std::wstring& packed = files[files.size() - 2];
    const std::wstring& archive = files.back();
    bool found = false;
    std::string bytes = readFile(packed, &found);
    if (!found) return 3;
    if (!writeFile(archive, "unpacked\r\n" + bytes, false)) return 4;
    if (remove && config.find("keep") == std::string::npos) DeleteFileW(packed.c_str());
    return 0;
}
