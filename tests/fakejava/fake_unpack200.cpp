// unpack200.exe of the test runtimes: started as "-r "x.jar.pack" "x.jar"",
// it records its command line in unpack200.log beside itself, writes x.jar
// (the packed file's bytes behind a marker line) and, for -r, removes the
// packed file as the real tool does. "keep" in unpack200.cfg keeps the
// packed file; "fail" makes it exit with 1 without writing anything.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/fakejava/fake_files.h"

namespace {

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
    std::wstring directory = moduleDirectory(nullptr);
    const wchar_t* commandLine = GetCommandLineW();
    appendLine(directory + L"unpack200.log", utf8(commandLine, static_cast<int>(wcslen(commandLine))));

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
