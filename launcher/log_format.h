// The printf-style formatter of the log and of messages. It follows the wide
// printf conventions of the Windows C runtime: "%s" takes a UTF-16 text and
// "%S" an 8-bit text (widened byte by byte); "%hs" and "%ls" name the width
// explicitly; "%d", "%u", "%x", "%p", "%I64d", "%f" and the rest as usual.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

std::u16string formatWideV(const char16_t* format, va_list args);
std::u16string formatWide(const char16_t* format, ...);

// "[s:ms] ", both parts without leading zeros.
std::u16string logTimestamp(int64_t elapsedMs);

// One complete log line as it goes into the file, without the line break.
std::u16string composeLogLine(int64_t elapsedMs, bool isError, const std::u16string& message);

// The bytes a text-mode UTF-8 stream writes for the text: UTF-8, with every
// line feed written as CR LF.
std::string encodeLogText(const std::u16string& text);
