#include "launcher/win32/log_file.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

#include "environment/launcher_path.h"
#include "environment/temp_dir.h"
#include "environment/win32/process_environment.h"
#include "launcher/launcher_state.h"
#include "launcher/log_format.h"
#include "launcher/text.h"
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

bool environmentIsYes(const wchar_t* name) { return environmentVariable(name) == std::u16string(u"yes"); }

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
        name = dir + u"ovn_nlog_" + widenBytes(std::to_string(i)) + u".log";
        if (GetFileAttributesW(wide(name)) == INVALID_FILE_ATTRIBUTES) break;
    }
    return name;
}

void writeHeader() {
    std::u16string module = moduleFileNameWide();
    time_t now = time(nullptr);
    const char* when = ctime(&now);
    writeText(state.file, u"\uFEFFStarted executable " + module + u" at " + widenBytes(when ? when : "\n") + u"\n");
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

// One lock for both threads of the launcher: each line is written whole.
class LogLock {
public:
    LogLock() {
        if (!state.lockCreated) {
            InitializeCriticalSection(&state.lock);
            state.lockCreated = true;
        }
        EnterCriticalSection(&state.lock);
    }
    ~LogLock() { LeaveCriticalSection(&state.lock); }
    LogLock(const LogLock&) = delete;
    LogLock& operator=(const LogLock&) = delete;
};

}  // namespace

bool logFileEnabled() {
    LogLock lock;
    if (!state.initialised) initialise();
    return !state.fileName.empty();
}

void appendLogLine(bool isError, const std::u16string& message) {
    LogLock lock;
    if (!state.initialised) initialise();
    if (state.fileName.empty()) return;
    if (!state.file) state.file = _wfopen(wide(state.fileName), L"ab");
    if (!state.file) return;
    writeText(state.file, composeLogLine(systemTimeMs() - state.startMs, isError, message) + u"\n");
    fclose(state.file);
    state.file = nullptr;
}

std::u16string logFilePath() { return state.fileName; }
