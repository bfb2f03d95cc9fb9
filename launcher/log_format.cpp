#include "launcher/log_format.h"

#include <cstdio>

#include "launcher/text.h"

namespace {

enum class Length { none, shortInt, longInt, longLong, int64 };

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    Length length = Length::none;
    char conversion = 0;
};

int readNumber(const char16_t*& p) {
    int value = 0;
    while (*p >= u'0' && *p <= u'9') value = value * 10 + (*p++ - u'0');
    return value;
}

// Parses the part of a conversion after '%'; p is left on the conversion letter.
Directive parseDirective(const char16_t*& p, va_list& args) {
    Directive directive;
    while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0')
        directive.flags.push_back(static_cast<char>(*p++));
    if (*p == u'*') {
        directive.width = va_arg(args, int);
        if (directive.width < 0) {
            directive.flags.push_back('-');
            directive.width = -directive.width;
        }
        ++p;
    } else if (*p >= u'0' && *p <= u'9') {
        directive.width = readNumber(p);
    }
    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            directive.precision = va_arg(args, int);
            ++p;
        } else {
            directive.precision = readNumber(p);
        }
    }
    if (p[0] == u'I' && p[1] == u'6' && p[2] == u'4') {
        directive.length = Length::int64;
        p += 3;
    } else if (p[0] == u'I' && p[1] == u'3' && p[2] == u'2') {
        p += 3;
    } else if (p[0] == u'l' && p[1] == u'l') {
        directive.length = Length::longLong;
        p += 2;
    } else if (*p == u'l' || *p == u'w') {
        directive.length = Length::longInt;
        ++p;
    } else if (*p == u'h') {
        directive.length = Length::shortInt;
        ++p;
    }
    directive.conversion = static_cast<char>(*p);
    return directive;
}

std::string narrowFormat(const Directive& directive, const char* lengthText, char conversion) {
    std::string text = "%" + directive.flags;
    if (directive.width >= 0) text += std::to_string(directive.width);
    if (directive.precision >= 0) text += "." + std::to_string(directive.precision);
    text += lengthText;
    text.push_back(conversion);
    return text;
}

template <typename T>
std::u16string formatNumber(const std::string& narrowFormat, T value) {
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, narrowFormat.c_str(), value);
    if (n < 0) return {};
    return widenBytes(std::string_view(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1));
}

std::u16string pad(std::u16string text, const Directive& directive) {
    if (directive.width > 0 && text.size() < static_cast<size_t>(directive.width)) {
        std::u16string fill(directive.width - text.size(), u' ');
        bool left = directive.flags.find('-') != std::string::npos;
        text = left ? text + fill : fill + text;
    }
    return text;
}

std::u16string precisionCut(std::u16string text, const Directive& directive) {
    if (directive.precision >= 0 && text.size() > static_cast<size_t>(directive.precision)) text.resize(directive.precision);
    return text;
}

std::u16string formatInteger(const Directive& directive, va_list& args) {
    bool isSigned = directive.conversion == 'd' || directive.conversion == 'i';
    switch (directive.length) {
        case Length::int64:
        case Length::longLong:
            return isSigned ? formatNumber(narrowFormat(directive, "ll", directive.conversion), va_arg(args, long long))
                            : formatNumber(narrowFormat(directive, "ll", directive.conversion), va_arg(args, unsigned long long));
        case Length::shortInt:
            return isSigned ? formatNumber(narrowFormat(directive, "", directive.conversion), static_cast<short>(va_arg(args, int)))
                            : formatNumber(narrowFormat(directive, "", directive.conversion),
                                           static_cast<unsigned short>(va_arg(args, unsigned)));
        default:
            // The Windows C runtime's long is 32 bits, like int.
            return isSigned ? formatNumber(narrowFormat(directive, "", directive.conversion), va_arg(args, int))
                            : formatNumber(narrowFormat(directive, "", directive.conversion), va_arg(args, unsigned));
    }
}

std::u16string formatPointer(const Directive& directive, va_list& args) {
    // As the Windows C runtime does: upper-case hex, as many digits as a pointer has.
    auto value = reinterpret_cast<uintptr_t>(va_arg(args, void*));
    Directive plain;
    plain.flags = "0";
    plain.width = static_cast<int>(sizeof(void*) * 2);
    return pad(formatNumber(narrowFormat(plain, "ll", 'X'), static_cast<unsigned long long>(value)), directive);
}

// "%s" is UTF-16 unless "h" narrows it; "%S" is 8-bit unless "l" widens it.
std::u16string formatString(const Directive& directive, va_list& args) {
    bool wide = directive.conversion == 's' ? directive.length != Length::shortInt : directive.length == Length::longInt;
    const void* pointer = va_arg(args, const void*);
    std::u16string text;
    if (!pointer) {
        text = u"(null)";
    } else if (wide) {
        text = static_cast<const char16_t*>(pointer);
    } else {
        text = widenBytes(static_cast<const char*>(pointer));
    }
    return pad(precisionCut(std::move(text), directive), directive);
}

std::u16string formatCharacter(const Directive& directive, va_list& args) {
    int value = va_arg(args, int);
    bool wide = directive.conversion == 'c' ? directive.length != Length::shortInt : directive.length == Length::longInt;
    char16_t c = wide ? static_cast<char16_t>(value) : static_cast<unsigned char>(value);
    return pad(std::u16string(1, c), directive);
}

std::u16string formatConversion(const Directive& directive, va_list& args) {
    switch (directive.conversion) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o':
            return formatInteger(directive, args);
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G':
            return formatNumber(narrowFormat(directive, "", directive.conversion), va_arg(args, double));
        case 'p':
            return formatPointer(directive, args);
        case 's': case 'S':
            return formatString(directive, args);
        case 'c': case 'C':
            return formatCharacter(directive, args);
        default:
            return {};
    }
}

}  // namespace

std::u16string formatWideV(const char16_t* format, va_list args) {
    va_list ap;
    va_copy(ap, args);
    std::u16string out;
    for (const char16_t* p = format; *p; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        ++p;
        if (*p == u'%') {
            out.push_back(u'%');
            continue;
        }
        Directive directive = parseDirective(p, ap);
        if (!*p) break;
        out += formatConversion(directive, ap);
    }
    va_end(ap);
    return out;
}

std::u16string formatWide(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::u16string text = formatWideV(format, args);
    va_end(args);
    return text;
}

std::u16string logTimestamp(int64_t elapsedMs) {
    if (elapsedMs < 0) elapsedMs = 0;
    return formatWide(u"[%I64d:%I64d] ", static_cast<long long>(elapsedMs / 1000),
                      static_cast<long long>(elapsedMs % 1000));
}

std::u16string composeLogLine(int64_t elapsedMs, bool isError, const std::u16string& message) {
    std::u16string line = logTimestamp(elapsedMs);
    if (isError) line += u"ERROR: ";
    line += message;
    return line;
}

std::string encodeLogText(const std::u16string& text) {
    std::string utf8 = utf16ToUtf8(text);
    std::string out;
    out.reserve(utf8.size() + 8);
    for (char c : utf8) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}
