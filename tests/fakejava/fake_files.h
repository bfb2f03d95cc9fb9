// Shared by the fake runtime programs and libraries and the Windows tests:
// their own directory, whole files, UTF-8 texts and the "key=value" lines of
// configuration files.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

// The directory of a loaded module (nullptr: the program), ending in "\".
inline std::wstring moduleDirectory(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(n);
    return path.substr(0, path.rfind(L'\\') + 1);
}

// The whole file; empty when it cannot be opened.
inline std::string readFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// One WriteFile call, so that lines appended by several threads or
// processes stay whole.
inline bool writeFile(const std::wstring& path, const std::string& bytes, bool append) {
    HANDLE file =
        CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

inline void appendLine(const std::wstring& path, const std::string& line) { writeFile(path, line + "\r\n", true); }

inline void writeStandardError(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

inline std::string utf8(const std::wstring& text) { return std::filesystem::path(text).u8string(); }

// The UTF-16 form of a text in codePage.
inline std::wstring utf16(const std::string& text, UINT codePage = CP_UTF8) {
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), n);
    return result;
}

// The value of the first "key=value" line of a configuration text, or fallback.
inline std::string setting(const std::string& config, const std::string& key, const std::string& fallback) {
    std::istringstream lines(config);
    for (std::string line; std::getline(lines, line);)
        if (line.compare(0, key.size() + 1, key + "=") == 0)
            return line.substr(key.size() + 1, line.find_last_not_of('\r') - key.size());
    return fallback;
}
