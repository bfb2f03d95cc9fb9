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
#include "launcher/explorer_select.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/child_process.h"
#include "launcher/win32/message_box.h"
#include "launcher/win32/system_directories.h"
#include "launcher/win32/system_library.h"
#include "launcher/win32/wide.h"
#include "windows/JavaVMLauncher/launch.h"

namespace {

void changeWorkingDirectory() {
    std::u16string directory = widenBytes(dupConfigString(settingWorkingDirectory));
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
    if (showMessageBox(question, productName(), MB_YESNO) != IDYES) return;
    std::u16string shortName =
        sizedQuery<char16_t>([&](wchar_t* b, DWORD n) { return GetShortPathNameW(wide(logFile), b, n); });
    ChildProcess explorer;
    explorer.program = windowsDirectory() + u"\\explorer.exe";
    explorer.arguments = explorerSelectArguments(logFile, shortName);
    explorer.wait = false;
    logLine(u"calling %s", childCommandLine(explorer).c_str());
    ChildResult result = runChildProcess(explorer);
    if (!result.started) logLine(u"could not open explorer window %d", static_cast<int>(result.startError));
}

void launcherOptionsStage(LauncherArgs& args) {
    launcherState().logRequested = takeLogOption(args);
    loadConfiguration(args);
    std::string flavour = getConfigString(settingFlavour, 2);
    launcherState().flavour = flavour.empty() ? 0 : flavour[0];
    if (!launcherState().languageRestart) changeWorkingDirectory();
    if (launcherState().logRequested) offerLogFileInExplorer();
}

// From the system directory and nowhere else, also where the search order
// could not be restricted; they stay for the process's life.
void hardenedStart() {
    restrictDllDirectories();
    loadSystemLibrary(u"davhlpr.dll");
    loadSystemLibrary(u"fwbase.dll");
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
            showMessageBox(u"Error: Could not allocate console.", u"orvane", MB_OK);
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
    if (hardened || getConfigInt(settingConsoleSwitch) != 0) consoleSwitches(args, hardened);

    if (!launcherState().languageRestart) enterInstanceMode(true);
    if (extractIncludedFiles(true) != 0) fatalError(msgInternalError, u"16");
    prependNativeLibraryPath();
    if (!LoadDLL(1, nullptr, 0)) exitLauncher(83);
    if (getConfigInt(settingShowSplash) != 0) showSplash(showWindow);
    if (!launchJavaVm(args, true)) fatalError(msgVmStartFailed);
    return 0;
}
