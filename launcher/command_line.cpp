#include "launcher/command_line.h"

namespace {

constexpr std::u16string_view::size_type npos = std::u16string_view::npos;

// Appends the token that starts at p and whose first quote is at q;
// returns the position after the closing quote.
size_t appendQuotedToken(std::u16string_view text, size_t p, size_t q, LauncherArgs& args) {
    size_t close = text.find(text[q], q + 1);
    size_t end = close == npos ? text.size() : close;
    std::u16string token(text.substr(p, q - p));
    token.append(text.substr(q + 1, end - q - 1));
    args.push_back(std::move(token));
    if (close == npos) return text.size();
    size_t next = close + 1;
    if (next < text.size() && text[next] == u' ') ++next;
    return next;
}

}  // namespace

void splitCommandLine(std::u16string_view text, LauncherArgs& args) {
    size_t p = 0;
    while (p < text.size()) {
        if (text[p] == u' ') {
            ++p;
            continue;
        }
        // Only up to the token's end: searching the whole rest for each
        // token made long command lines take quadratic time.
        size_t stop = text.find_first_of(u" \"'", p);
        if (stop != npos && text[stop] == u' ') {
            args.emplace_back(text.substr(p, stop - p));
            p = stop + 1;
        } else if (stop != npos) {
            p = appendQuotedToken(text, p, stop, args);
        } else {
            args.emplace_back(text.substr(p));
            return;
        }
    }
}

bool takeLogOption(LauncherArgs& args) {
    if (args.size() < 2) return false;
    const std::u16string& option = args[1];
    if (option != u"-create-ovn-log" && option != u"-create-tsl-log" &&
        option != u"/create-ovn-log" && option != u"/create-tsl-log")
        return false;
    args.erase(args.begin() + 1);
    return true;
}
