#include "environment/shell_short_path.h"

std::optional<std::u16string> shortPathShellArguments(const std::u16string& path) {
    if (path.find_first_of(u"%\"*?") != std::u16string::npos) return std::nullopt;
    // /D skips the AutoRun commands, /V:OFF keeps "!" plain, /E:ON gives "%~s".
    return u"/D /E:ON /V:OFF /C for %I in (\"" + path + u"\") do @echo %~sI";
}

std::optional<std::string> shortPathFromShellOutput(const std::string& output, unsigned long exitCode) {
    if (exitCode != 0 || output.size() <= 5) return std::nullopt;
    size_t end = output.find_first_of("\r\n");
    // Without a line end the output may have been cut; an empty line names nothing.
    if (end == std::string::npos || end == 0) return std::nullopt;
    return output.substr(0, end);
}
