// The diagnostic log. Off unless the log option or TESSEL_LOG/ORVANE_LOG=yes
// switches it on; the first call of the process takes that decision.
#pragma once

#include <cstdarg>
#include <string>

// Formats follow log_format.h: "%s" UTF-16, "%S" 8-bit.
void logLine(const char16_t* format, ...);
void logError(const char16_t* format, ...);

// Per platform: writes one formatted line when logging is on.
void logMessageV(bool isError, const char16_t* format, va_list args);

// The log file's name, or empty when logging is off or not decided yet.
std::u16string logFileName();
