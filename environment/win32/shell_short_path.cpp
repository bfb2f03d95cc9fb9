#include "environment/shell_short_path.h"

#include <windows.h>

#include "launcher/log.h"
#include "launcher/win32/child_process.h"
#include "launcher/win32/system_directories.h"

namespace {

// The interpreter prints one line at once; past this it is not coming.
constexpr DWORD shellTimeLimitMs = 10000;

}  // namespace

std::optional<std::string> shortPathViaShell(const std::u16string& path) {
    std::optional<std::u16string> arguments = shortPathShellArguments(path);
    if (!arguments) {
        logLine(u"not asking cmd.exe about %s", path.c_str());
        return std::nullopt;
    }
    ChildProcess shell;
    shell.program = systemDirectory() + u"\\cmd.exe";
    shell.arguments = *arguments;
    shell.captureOutput = true;
    shell.timeoutMs = shellTimeLimitMs;
    logLine(u"executing %s", childCommandLine(shell).c_str());
    ChildResult result = runChildProcess(shell);
    if (!result.started) {
        logLine(u"could not execute cmd.exe (%d)", static_cast<int>(result.startError));
        return std::nullopt;
    }
    logLine(u"finished reading from cmd.exe %d \"%S\"", static_cast<int>(result.output.size()), result.output.c_str());
    if (!result.finished) {
        logLine(u"cmd.exe terminated after %d ms", static_cast<int>(shellTimeLimitMs));
        return std::nullopt;
    }
    logLine(u"Exit Code %d", static_cast<int>(result.exitCode));
    std::optional<std::string> shortPath = shortPathFromShellOutput(result.output, result.exitCode);
    if (shortPath) logLine(u"Using %S", shortPath->c_str());
    return shortPath;
}
