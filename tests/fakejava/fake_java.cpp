// java.exe / javaw.exe of the test runtimes. What "-version" prints, the
// exit code and a delay come from fakejava.cfg beside the program; every
// start appends its command line to starts.log there, so tests can count
// runs (a cached version must spare them).
#include <windows.h>

#include <string>

#include "tests/fakejava/fake_files.h"

namespace {

int run() {
    std::wstring directory = moduleDirectory(nullptr);
    appendLine(directory + L"starts.log", GetCommandLineA());
    std::string config = readFile(directory + L"fakejava.cfg");

    int hang = atoi(setting(config, "hang", "0").c_str());
    if (hang > 0) Sleep(static_cast<DWORD>(hang) * 1000);

    std::string output = setting(config, "output", "version");
    if (output == "version") {
        writeStandardError(setting(config, "line", "java version \"1.8.0_191\"") + "\r\n");
        writeStandardError("Fake Runtime Environment (build " + setting(config, "build", "test") + ")\r\n");
    } else if (output == "garbage") {
        writeStandardError("Error: could not open `C:\\broken\\lib\\i386\\jvm.cfg'\r\n");
    }
    return atoi(setting(config, "exit", "0").c_str());
}

}  // namespace

#ifdef FAKE_JAVA_GUI
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return run(); }
#else
int main() { return run(); }
#endif
