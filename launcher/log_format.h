// The printf-style formatter of the log. It follows the wide printf
// conventions of the Windows C runtime for what the launcher uses: "%s" takes
// a UTF-16 text and "%S" an 8-bit text (widened byte by byte), "%d" and "%x"
// an int, "%I64d" a 64-bit integer, "%c" a character, "%p" a pointer, "%f" a
// floating-point number with six decimals; the flags "-", "0" and "#" and a
// width may come before the conversion.
//
// Formats are checked against their arguments when the launcher is compiled:
// use the macros (logLine and logError in log.h, formatChecked here), which
// refuse a format whose directives do not take the arguments given.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

enum class LogArgKind : unsigned char { end, integer, integer64, real, utf16, bytes, pointer, unsupported };

template <typename T>
constexpr LogArgKind logArgKind() {
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<U, const char16_t*> || std::is_same_v<U, char16_t*>)
        return LogArgKind::utf16;
    else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>)
        return LogArgKind::bytes;
    else if constexpr (std::is_pointer_v<U> || std::is_null_pointer_v<U>)
        return LogArgKind::pointer;
    else if constexpr (std::is_integral_v<U> && !std::is_same_v<U, bool>)
        return sizeof(U) <= 4 ? LogArgKind::integer : LogArgKind::integer64;
    else if constexpr (std::is_floating_point_v<U>)
        return LogArgKind::real;
    else
        return LogArgKind::unsupported;
}

// The kinds of a call's arguments, found by decltype without evaluating them.
template <typename... T>
struct LogArgTypes {};
template <typename... T>
LogArgTypes<std::decay_t<T>...> logArgTypes(const T&...);
template <typename List>
struct LogArgKinds;
template <typename... T>
struct LogArgKinds<LogArgTypes<T...>> {
    static constexpr LogArgKind value[] = {logArgKind<T>()..., LogArgKind::end};
};

// Whether every directive takes the argument in its place, and no argument is left over.
constexpr bool logFormatFits(const char16_t* format, const LogArgKind* kinds) {
    for (const char16_t* p = format; *p; ++p) {
        if (*p != u'%') continue;
        if (*++p == u'%') continue;
        while (*p == u'-' || *p == u'0' || *p == u'#') ++p;
        while (*p >= u'0' && *p <= u'9') ++p;
        bool is64 = p[0] == u'I' && p[1] == u'6' && p[2] == u'4';
        if (is64) p += 3;
        LogArgKind kind = *kinds;
        if (kind == LogArgKind::end) return false;
        ++kinds;
        switch (*p) {
            case u'd':
            case u'x':
                if (kind != (is64 ? LogArgKind::integer64 : LogArgKind::integer)) return false;
                break;
            case u'f':
                if (is64 || kind != LogArgKind::real) return false;
                break;
            case u'c':
                if (is64 || kind != LogArgKind::integer) return false;
                break;
            case u's':
                if (is64 || kind != LogArgKind::utf16) return false;
                break;
            case u'S':
                if (is64 || kind != LogArgKind::bytes) return false;
                break;
            case u'p':
                if (is64 || kind == LogArgKind::integer || kind == LogArgKind::integer64 ||
                    kind == LogArgKind::unsupported)
                    return false;
                break;
            default:
                return false;
        }
    }
    return *kinds == LogArgKind::end;
}

#define TESSEL_CHECK_FORMAT(format, ...)                                                                   \
    static_assert(logFormatFits(format, LogArgKinds<decltype(logArgTypes(__VA_ARGS__))>::value),        \
                  "the format's directives do not take these arguments")

// One argument, as the formatter reads it.
struct LogArg {
    LogArgKind kind = LogArgKind::end;
    int64_t integer = 0;
    const void* pointer = nullptr;
    double real = 0;
};

template <typename T>
LogArg logArg(const T& value) {
    constexpr LogArgKind kind = logArgKind<std::decay_t<T>>();
    if constexpr (kind == LogArgKind::integer || kind == LogArgKind::integer64)
        return {kind, static_cast<int64_t>(value), nullptr};
    else if constexpr (kind == LogArgKind::real)
        return {kind, 0, nullptr, static_cast<double>(value)};
    else
        return {kind, 0, static_cast<const void*>(value)};
}

// Formats with arguments whose kinds the caller has checked.
std::u16string formatLogText(const char16_t* format, const LogArg* args);

template <typename... Args>
std::u16string formatLog(const char16_t* format, const Args&... args) {
    const LogArg list[] = {logArg(args)..., LogArg()};
    return formatLogText(format, list);
}

// formatLog with the format checked when compiled; an expression.
#define formatChecked(format, ...)                     \
    ([&]() {                                           \
        TESSEL_CHECK_FORMAT(format, __VA_ARGS__);      \
        return formatLog(format, ##__VA_ARGS__);       \
    }())

// "[s:ms] ", both parts without leading zeros.
std::u16string logTimestamp(int64_t elapsedMs);

// One complete log line as it goes into the file, without the line break.
std::u16string composeLogLine(int64_t elapsedMs, bool isError, const std::u16string& message);

// The bytes a text-mode UTF-8 stream writes for the text: UTF-8, with every
// line feed written as CR LF.
std::string encodeLogText(const std::u16string& text);
