#include "launcher/win32/startup.h"

#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/process_setup.h"
#include "environment/single_instance.h"
#include "environment/splash.h"
#include "environment/temp_dir.h"
#include "jvmlaunch/variable_expansion.h"
#include "jvmsearch/load_dll.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/win32/wide.h"
#include "windows/JavaVMLauncher/launch.h"

namespace {

void changeWorkingDirectory() {
    std::u16string directory = getConfigStringWide(settingWorkingDirectory, 6000);
    if (directory.empty()) {
        logLine(u"working directory unchanged");
        return;
    }
    expandVariables(directory, true);
    directory = canonicalPathWide(directory, true);
    SetCurrentDirectoryW(wide(directory));  // an unusable directory leaves the current one
    logLine(u"change working directory to %s", directory.c_str());
}

void offerLogFileInExplorer() {
    std::u16string logFile = logFileName();
    std::u16string question = u"The following log file will be created:\n\n" + logFile +
                              u"\n\nDo you want to open an Explorer window?";
    if (MessageBoxW(nullptr, wide(question), wide(productName()), MB_YESNO) != IDYES) return;
    wchar_t shortName[MAX_PATH] = {};
    wchar_t windowsDir[MAX_PATH] = {};
    GetShortPathNameW(wide(logFile), shortName, MAX_PATH);
    GetWindowsDirectoryW(windowsDir, MAX_PATH);
    std::u16string command = toU16(windowsDir) + u"\\explorer.exe /select," + toU16(shortName);
    logLine(u"calling %s", command.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, const_cast<wchar_t*>(wide(command)), nullptr, nullptr, TRUE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
        logLine(u"could not open explorer window %d", static_cast<int>(GetLastError()));
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void launcherOptionsStage(LauncherArgs& args) {
    launcherTempDir().clear();
    launcherState().logRequested = takeLogOption(args);
    loadConfiguration(args);
    std::string flavour = getConfigString(settingFlavour, 2);
    launcherState().flavour = flavour.empty() ? 0 : flavour[0];
    if (!launcherState().languageRestart) changeWorkingDirectory();
    if (launcherState().logRequested) offerLogFileInExplorer();
}

void hardenedStart() {
    restrictDllDirectories();
    LoadLibraryA("davhlpr.dll");
    LoadLibraryA("fwbase.dll");
}

void consoleSwitches(const LauncherArgs& args, bool hardened) {
    for (const std::u16string& arg : args) {
        if (hardened && arg == u"-q") {
            enterQuietMode();
        } else if (arg == u"-console") {
            attachConsole();
        } else if (hardened && arg == u"-c") {
            enterQuietMode();
            if (attachConsole()) return;
            MessageBoxW(nullptr, L"Error: Could not allocate console.", L"orvane", MB_OK);
            exitLauncher(1);
        }
    }
}

}  // namespace

int runStartupSequence(const char* commandLineTail, int showWindow) {
    InternalTail tail = classifyInternalTail(commandLineTail);
    if (tail.reboot) {
        rebootMachine();
        return 0;
    }
    if (tail.languageRestart) launcherState().languageRestart = true;
    if (tail.quiet) enterQuietMode();

    LauncherArgs args;
    splitCommandLine(utf16(GetCommandLineW()), args);
    launcherOptionsStage(args);

    bool hardened = getConfigInt(settingHardenedStart) != 0;
    if (hardened) hardenedStart();
    initCommonControls();
    if (hardened || getConfigInt(settingConsoleSwitch) != 0) consoleSwitches(args, hardened);

    if (!launcherState().languageRestart) enterInstanceMode(true);
    if (extractIncludedFiles(true) != 0) fatalError(msgInternalError, u"16");
    prependNativeLibraryPath();
    if (!LoadDLL(1, nullptr, 0)) exitLauncher(83);
    if (getConfigInt(settingShowSplash) != 0) showSplash(showWindow);
    if (!launchJavaVm(args, true)) fatalError(msgVmStartFailed);
    return 0;
}
