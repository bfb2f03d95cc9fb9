// java.exe / javaw.exe of the test runtimes. fakejava.cfg beside the program
// gives what "-version" reports ("version=", or the whole first line as
// "line="), the exit code and a delay; every start appends its command line
// to starts.log there, so tests can count runs (a cached version must spare
// them).
#include <windows.h>

#include <string>

#include "tests/fakejava/fake_files.h"

namespace {

int run() {
    std::wstring directory = moduleDirectory(nullptr);
    appendLine(directory + L"starts.log", GetCommandLineA());
    std::string config = readFile(directory + L"fakejava.cfg");
    Sleep(static_cast<DWORD>(atoi(setting(config, "hang", "0").c_str())) * 1000);
    std::string version = setting(config, "version", "1.8.0_191");
    std::string line = version.compare(0, 2, "1.") == 0 ? "java version \"" + version + "\""
                                                         : "openjdk version \"" + version + "\" 2019-01-15";
    writeStandardError(setting(config, "line", line) + "\r\nFake Runtime Environment (build " + version + ")\r\n");
    return atoi(setting(config, "exit", "0").c_str());
}

}  // namespace

#ifdef FAKE_JAVA_GUI
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return run(); }
#else
int main() { return run(); }
#endif
