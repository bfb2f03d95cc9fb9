// The log file: created on the first log call when logging is on; each line
// is written by an open-append-close cycle, so an abrupt end loses nothing.
#include <windows.h>

#include <cstdio>
#include <ctime>

#include "environment/temp_dir.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/log_format.h"
#include "launcher/win32/wide.h"

namespace {

struct LogState {
    CRITICAL_SECTION lock;
    bool lockCreated = false;
    bool initialised = false;
    std::u16string fileName;
    FILE* file = nullptr;
    int64_t startMs = 0;
};

LogState state;

int64_t systemTimeMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t;
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    return static_cast<int64_t>(t.QuadPart / 10000);
}

bool environmentIsYes(const wchar_t* name) {
    wchar_t value[8];
    DWORD n = GetEnvironmentVariableW(name, value, 8);
    return n == 3 && std::u16string(utf16(value)) == u"yes";
}

void writeText(FILE* file, const std::u16string& text) {
    std::string bytes = encodeLogText(text);
    fwrite(bytes.data(), 1, bytes.size(), file);
}

std::u16string freeLogFileName() {
    std::u16string dir = getTempDirWide(false);
    if (dir.empty()) {
        dir = u"c:\\";
    } else if (dir.back() != u'\\' && dir.back() != u'/') {
        dir += u'\\';
    }
    std::u16string name;
    for (int i = 1; i <= 1000; ++i) {
        name = formatWide(u"%sovn_nlog_%d.log", dir.c_str(), i);
        if (GetFileAttributesW(wide(name)) == INVALID_FILE_ATTRIBUTES) break;
    }
    return name;
}

void writeHeader() {
    wchar_t module[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH * 4);
    time_t now = time(nullptr);
    const char* when = ctime(&now);
    writeText(state.file, u"\uFEFF" + formatWide(u"Started executable %s at %S\n", utf16(module), when ? when : "\n"));
    fflush(state.file);
}

void initialise() {
    state.initialised = true;
    if (!launcherState().logRequested && !environmentIsYes(L"TESSEL_LOG") && !environmentIsYes(L"ORVANE_LOG"))
        return;
    state.fileName = freeLogFileName();
    state.file = _wfopen(wide(state.fileName), L"wb");
    if (!state.file) {
        state.fileName = u"c:\\ovn_nlog";
        state.file = _wfopen(wide(state.fileName), L"wb");
        if (!state.file) return;
    }
    writeHeader();
    state.startMs = systemTimeMs();
}

}  // namespace

void logMessageV(bool isError, const char16_t* format, va_list args) {
    if (!state.lockCreated) {
        InitializeCriticalSection(&state.lock);
        state.lockCreated = true;
    }
    EnterCriticalSection(&state.lock);
    if (!state.fileName.empty() && !state.file) state.file = _wfopen(wide(state.fileName), L"ab");
    if (!state.initialised) initialise();
    if (state.file) {
        std::u16string line = composeLogLine(systemTimeMs() - state.startMs, isError, formatWideV(format, args));
        writeText(state.file, line + u"\n");
        fclose(state.file);
        state.file = nullptr;
    }
    LeaveCriticalSection(&state.lock);
}

std::u16string logFileName() { return state.fileName; }
