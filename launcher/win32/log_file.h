// The log file: created on the first log call when logging is on; each line
// is written by an open-append-close cycle, so an abrupt end loses nothing.
#pragma once

#include <string>

bool logFileEnabled();
void appendLogLine(bool isError, const std::u16string& message);
// Empty when no log is written.
std::u16string logFilePath();
