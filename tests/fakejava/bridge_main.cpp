// The bridge VM, for demonstrations under Wine: a jvm.dll that records like
// the recording VM and, when the launcher calls its launcher class's main,
// runs the machine's own Linux Java runtime (/usr/bin/java, or "java=" in
// fakejvm.cfg) with the options the VM was created with, the properties set
// since, the launcher class and main's arguments. That runtime writes to the
// launcher's standard output and error, and its exit code ends the launcher,
// as if the application had run in the launcher's process. It needs Wine's
// own exports; on Windows a real runtime's jvm.dll is loaded instead.
// With "bridgeJar=", the main class of tests/java/bridge goes first and gets
// the command lines forwarded here (startups-<pid>.txt beside the dll).
#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/fakejava/fake_files.h"
#include "tests/fakejava/recording_jvm.h"

namespace {

template <typename Function>
Function wineExport(const wchar_t* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

bool isWindowsPath(const std::wstring& text) {
    return (text.size() >= 3 && iswalpha(text[0]) && text[1] == L':' && (text[2] == L'\\' || text[2] == L'/')) ||
           text.compare(0, 2, L"\\\\") == 0;
}

std::string unixPath(const std::wstring& path) {
    using UnixFileName = char*(__cdecl*)(const wchar_t*);
    static const auto toUnix = wineExport<UnixFileName>(L"kernel32.dll", "wine_get_unix_file_name");
    char* converted = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!converted) return utf8(path);
    std::string result = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

// An option whose value holds Windows paths ("-Dkey=C:\a;C:\b",
// "--module-path=C:\m") gets unix paths joined with ":".
std::string unixOption(const std::wstring& option) {
    size_t equals = option.find(L'=');
    if (equals == std::wstring::npos) return utf8(option);
    std::vector<std::wstring> elements;
    for (size_t start = equals + 1, end; start <= option.size(); start = end + 1) {
        end = std::min(option.find(L';', start), option.size());
        if (end > start) elements.push_back(option.substr(start, end - start));
    }
    if (std::none_of(elements.begin(), elements.end(), isWindowsPath)) return utf8(option);
    std::string list;
    for (const std::wstring& element : elements)
        list += (list.empty() ? "" : ":") + (isWindowsPath(element) ? unixPath(element) : utf8(element));
    return utf8(option.substr(0, equals + 1)) + list;
}

// Runs a unix program, waits for it and gives its exit code. CreateProcess
// starts unix programs too, but under Wine neither waits for them nor
// reports their exit code.
int runUnixProgram(const std::vector<std::string>& arguments) {
    using Spawn = LONG(__cdecl*)(char* const*, int);
    auto spawn = wineExport<Spawn>(L"ntdll.dll", "__wine_unix_spawnvp");
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    LONG status = spawn ? spawn(argv.data(), TRUE) : -1;
    if (status >= 0 && status <= 255) return static_cast<int>(status);
    writeStandardError(spawn ? "jvm.dll: could not run " + arguments[0] + "\r\n"
                             : "jvm.dll: the bridge runs a Java runtime only under Wine\r\n");
    return 1;
}

std::wstring startupsFile() { return vmDirectory() + L"startups-" + std::to_wstring(GetCurrentProcessId()) + L".txt"; }

void insertBridge(std::vector<std::string>& command, const std::string& bridgeJar) {
    for (std::string& option : command)
        if (option.rfind("-Djava.class.path=", 0) == 0) option += ":" + bridgeJar;
    command.insert(command.end() - 1,
                   {"-Dtessel.bridge.startups=" + unixPath(startupsFile()), "com.tessel.bridge.StartupBridge"});
}

}  // namespace

void startupPerformed(const std::optional<std::string>& commandLine) {
    std::string line = commandLine.value_or("");  // one line, even for a command line with line breaks
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    appendLine(startupsFile(), line);
}

std::string runStaticMain(const std::string& className, const std::vector<std::string>& arguments) {
    if (className != "com/tessel/runtime/WinLauncher" && className != "com/orvane/runtime/launcher/WinLauncher")
        return "";
    std::vector<std::string> command = {vmSetting("java", "/usr/bin/java")};
    // The VM received 8-bit options in the ANSI code page.
    for (const std::string& option : vmRecord().options) command.push_back(unixOption(utf16(option, CP_ACP)));
    for (const auto& [key, value] : vmRecord().properties)
        command.push_back(unixOption(utf16("-D" + key + "=" + value)));
    std::string mainClass = className;
    std::replace(mainClass.begin(), mainClass.end(), '/', '.');
    command.push_back(mainClass);
    std::string bridgeJar = vmSetting("bridgeJar", "");
    if (!bridgeJar.empty()) insertBridge(command, bridgeJar);
    command.insert(command.end(), arguments.begin(), arguments.end());

    std::string line = "bridge";
    for (const std::string& part : command) line += " " + part;
    record(line);
    ExitProcess(static_cast<UINT>(runUnixProgram(command)));
}
