// java.exe / javaw.exe of the test runtimes. What "-version" prints, the
// exit code and a delay come from fakejava.cfg beside the program; every
// start appends its command line to starts.log there, so tests can count
// runs (a cached version must spare them).
#include <windows.h>

#include <string>

#include "tests/fakejava/file_bytes.h"

namespace {

std::string ownDirectory() {
    char path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, n < MAX_PATH ? n : 0);
    return directory.substr(0, directory.rfind('\\') + 1);
}

std::string readFile(const std::string& path) {
    return readAndCloseFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

void appendLine(const std::string& path, const std::string& line) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// The value of "key=value" in the configuration text, or fallback.
std::string setting(const std::string& config, const std::string& key, const std::string& fallback) {
    size_t start = 0;
    while (start < config.size()) {
        size_t end = config.find('\n', start);
        if (end == std::string::npos) end = config.size();
        std::string line = config.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, key.size() + 1, key + "=") == 0) return line.substr(key.size() + 1);
        start = end + 1;
    }
    return fallback;
}

void writeError(const std::string& text) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

int run() {
    std::string directory = ownDirectory();
    appendLine(directory + "starts.log", GetCommandLineA());
    std::string config = readFile(directory + "fakejava.cfg");

    int hang = atoi(setting(config, "hang", "0").c_str());
    if (hang > 0) Sleep(static_cast<DWORD>(hang) * 1000);

    std::string output = setting(config, "output", "version");
    if (output == "version") {
        writeError(setting(config, "line", "java version \"1.8.0_191\"") + "\r\n");
        writeError("Fake Runtime Environment (build " + setting(config, "build", "test") + ")\r\n");
    } else if (output == "garbage") {
        writeError("Error: could not open `C:\\broken\\lib\\i386\\jvm.cfg'\r\n");
    }
    return atoi(setting(config, "exit", "0").c_str());
}

}  // namespace

#ifdef FAKE_JAVA_GUI
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return run(); }
#else
int main() { return run(); }
#endif
