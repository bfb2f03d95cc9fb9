// The diagnostic log. Off unless the log option or TESSEL_LOG/ORVANE_LOG=yes
// switches it on; the first log call of the process takes that decision.
#pragma once

#include <string>

#include "launcher/log_format.h"
#include "launcher/platform.h"

// logLine(format, args...) and logError(format, args...) are macros, so that
// every format is checked against its arguments when compiled (log_format.h).
#define logLine(...) TESSEL_LOG_CHECKED(false, __VA_ARGS__)
#define logError(...) TESSEL_LOG_CHECKED(true, __VA_ARGS__)

#define TESSEL_LOG_CHECKED(isError, format, ...)        \
    do {                                                \
        TESSEL_CHECK_FORMAT(format, __VA_ARGS__);       \
        writeLog(isError, format, ##__VA_ARGS__);       \
    } while (false)

// Formats only when the log is on.
template <typename... Args>
void writeLog(bool isError, const char16_t* format, const Args&... args) {
    Platform& target = platform();
    if (target.logEnabled()) target.writeLogLine(isError, formatLog(format, args...));
}

// The log file's name, or empty when logging is off or not decided yet.
inline std::u16string logFileName() { return platform().logFileName(); }
