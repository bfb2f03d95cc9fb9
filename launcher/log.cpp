#include "launcher/log.h"

void logLine(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    logMessageV(false, format, args);
    va_end(args);
}

void logError(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    logMessageV(true, format, args);
    va_end(args);
}
