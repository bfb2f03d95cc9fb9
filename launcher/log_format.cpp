#include "launcher/log_format.h"

#include <cmath>

#include "launcher/text.h"

namespace {

struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    bool alternate = false;  // "0x" before hexadecimal digits
    size_t width = 0;
    bool is64 = false;
    char16_t conversion = 0;
};

// Parses the part of a directive after '%'; p is left on the conversion letter.
Directive parseDirective(const char16_t*& p) {
    Directive directive;
    for (;; ++p) {
        if (*p == u'-')
            directive.leftAlign = true;
        else if (*p == u'0')
            directive.zeroPad = true;
        else if (*p == u'#')
            directive.alternate = true;
        else
            break;
    }
    while (*p >= u'0' && *p <= u'9') directive.width = directive.width * 10 + (*p++ - u'0');
    if (p[0] == u'I' && p[1] == u'6' && p[2] == u'4') {
        directive.is64 = true;
        p += 3;
    }
    directive.conversion = *p;
    return directive;
}

std::u16string digits(uint64_t value, unsigned base, bool upper) {
    const char* symbols = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(symbols[value % base]));
        value /= base;
    } while (value != 0);
    return text;
}

std::u16string pad(std::u16string text, const Directive& directive, size_t signOrPrefix = 0) {
    if (text.size() >= directive.width) return text;
    size_t missing = directive.width - text.size();
    if (directive.leftAlign) return text + std::u16string(missing, u' ');
    if (directive.zeroPad) return text.insert(signOrPrefix, missing, u'0');
    return std::u16string(missing, u' ') + text;
}

std::u16string formatInteger(const Directive& directive, int64_t value) {
    if (directive.conversion == u'x') {
        uint64_t bits = directive.is64 ? static_cast<uint64_t>(value) : static_cast<uint32_t>(value);
        std::u16string prefix = directive.alternate && bits != 0 ? u"0x" : u"";
        return pad(prefix + digits(bits, 16, false), directive, prefix.size());
    }
    int64_t number = directive.is64 ? value : static_cast<int32_t>(value);
    bool negative = number < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
    return pad((negative ? u"-" : u"") + digits(magnitude, 10, false), directive, negative ? 1 : 0);
}

// Six decimals, rounded, as "%f" of the Windows C runtime prints them.
std::u16string formatReal(const Directive& directive, double value) {
    bool negative = std::signbit(value);
    if (std::isnan(value)) return pad(u"1.#QNAN0", directive);
    if (std::isinf(value)) return pad(negative ? u"-1.#INF00" : u"1.#INF00", directive);
    double whole = std::floor(std::fabs(value));
    double millionths = std::round((std::fabs(value) - whole) * 1e6);
    if (millionths >= 1e6) {
        whole += 1;
        millionths = 0;
    }
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + static_cast<int>(std::fmod(whole, 10))));
        whole = std::floor(whole / 10);
    } while (whole >= 1);
    std::u16string fraction = digits(static_cast<uint64_t>(millionths), 10, false);
    text += u"." + std::u16string(6 - fraction.size(), u'0') + fraction;
    return pad((negative ? u"-" : u"") + text, directive, negative ? 1 : 0);
}

std::u16string formatArgument(const Directive& directive, const LogArg& arg) {
    switch (directive.conversion) {
        case u'd':
        case u'x':
            return formatInteger(directive, arg.integer);
        case u'f':
            return formatReal(directive, arg.real);
        case u'c':
            return pad(std::u16string(1, static_cast<char16_t>(arg.integer)), directive);
        case u'p': {
            // As the Windows C runtime prints pointers: upper-case hex, all digits.
            std::u16string text = digits(reinterpret_cast<uintptr_t>(arg.pointer), 16, true);
            return pad(std::u16string(sizeof(void*) * 2 - text.size(), u'0') + text, directive);
        }
        case u's':
            return pad(arg.pointer ? std::u16string(static_cast<const char16_t*>(arg.pointer)) : u"(null)", directive);
        case u'S':
            return pad(arg.pointer ? widenBytes(static_cast<const char*>(arg.pointer)) : u"(null)", directive);
        default:
            return {};
    }
}

}  // namespace

std::u16string formatLogText(const char16_t* format, const LogArg* args) {
    std::u16string out;
    for (const char16_t* p = format; *p; ++p) {
        if (*p != u'%') {
            out.push_back(*p);
            continue;
        }
        if (*++p == u'%') {
            out.push_back(u'%');
            continue;
        }
        Directive directive = parseDirective(p);
        if (!*p) break;
        out += formatArgument(directive, *args++);
    }
    return out;
}

std::u16string logTimestamp(int64_t elapsedMs) {
    if (elapsedMs < 0) elapsedMs = 0;
    return formatChecked(u"[%I64d:%I64d] ", elapsedMs / 1000, elapsedMs % 1000);
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
