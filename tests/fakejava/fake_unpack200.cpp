// unpack200.exe of the test runtimes, started as
// "tool" -r "x.jar.pack" "x.jar": it records its command line in
// unpack200.log beside itself, writes x.jar (the packed file's bytes behind a
// marker line) and removes the packed file, as the real tool does, unless
// unpack200.cfg beside it says "keep".
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "tests/fakejava/fake_files.h"

int main() {
    std::wstring directory = moduleDirectory(nullptr);
    appendLine(directory + L"unpack200.log", utf8(GetCommandLineW()));
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 4 || std::wstring(arguments[1]) != L"-r") return 2;
    bool found = GetFileAttributesW(arguments[2]) != INVALID_FILE_ATTRIBUTES;
    if (!found || !writeFile(arguments[3], "unpacked\r\n" + readFile(arguments[2]), false)) return 3;
    if (readFile(directory + L"unpack200.cfg").find("keep") == std::string::npos) DeleteFileW(arguments[2]);
    return 0;
}
