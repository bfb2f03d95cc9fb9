// unpack200.exe of the test runtimes, started as
// "tool" -r "x.jar.pack" "x.jar": it records its command line in
// unpack200.log beside itself, writes x.jar (the packed file's bytes behind a
// marker line) and removes the packed file, as the real tool does, unless
// unpack200.cfg beside it says "keep".
#include <windows.h>

#include <string>
#include <vector>

#include "tests/fakejava/fake_files.h"

int main() {
    std::wstring directory = moduleDirectory(nullptr);
    std::wstring commandLine = GetCommandLineW();
    appendLine(directory + L"unpack200.log", utf8(commandLine));
    // The texts between double quotes: the tool, the packed file, the archive.
    std::vector<std::wstring> quoted;
    for (size_t open = commandLine.find(L'"'), close; open != std::wstring::npos;
         open = commandLine.find(L'"', close + 1)) {
        close = commandLine.find(L'"', open + 1);
        if (close == std::wstring::npos) break;
        quoted.push_back(commandLine.substr(open + 1, close - open - 1));
    }
    if (quoted.size() != 3) return 2;
    bool found = false;
    std::string bytes = readFile(quoted[1], &found);
    if (!found || !writeFile(quoted[2], "unpacked\r\n" + bytes, false)) return 3;
    if (readFile(directory + L"unpack200.cfg").find("keep") == std::string::npos) DeleteFileW(quoted[1].c_str());
    return 0;
}
