#include "launcher/win32/error_display.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "environment/splash.h"
#include "environment/temp_dir.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "launcher/win32/message_box.h"
#include "launcher/win32/log_file.h"
#include "launcher/win32/wide.h"

namespace {

std::u16string longPathOf(const std::u16string& path) {
    std::u16string longPath =
        sizedQuery<char16_t>([&](wchar_t* b, DWORD n) { return GetLongPathNameW(wide(path), b, n); });
    return longPath.empty() ? path : longPath;
}

void writeToStandardError(const std::u16string& text) {
    std::u16string line = text + u"\n";
    int n = WideCharToMultiByte(CP_ACP, 0, wide(line), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(n > 0 ? n : 1);
    n = WideCharToMultiByte(CP_ACP, 0, wide(line), static_cast<int>(line.size()), narrow.data(), n, nullptr, nullptr);
    if (n > 0) fwrite(narrow.data(), 1, n, stderr);
    fflush(stderr);
}

}  // namespace

void displayErrorText(const std::u16string& text) {
    showSplash(0);
    std::u16string logFile = logFilePath();
    std::u16string output = composeErrorText(text, logFile.empty() ? logFile : longPathOf(logFile));
    if (!isQuietMode()) {
        std::u16string caption = getMessageOrSetting(msgCaption);
        showMessageBox(output, caption, MB_OK | MB_ICONERROR);
        return;
    }
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) == FILE_TYPE_CHAR) {
        DWORD written = 0;
        WriteConsoleW(out, wide(output), static_cast<DWORD>(output.size()), &written, nullptr);
        FlushFileBuffers(out);
        return;
    }
    writeToStandardError(output);
}

void endLauncher(int exitCode) {
    if (!launcherState().languageRestart) removeLauncherTempDir();
    ExitProcess(static_cast<UINT>(exitCode));
}
