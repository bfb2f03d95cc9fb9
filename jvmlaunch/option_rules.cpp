#include "jvmlaunch/option_rules.h"

namespace {

struct Directive {
    std::u16string_view prefix;
    OptionKind kind;
};

const Directive directives[] = {
    {u"-include-options ", OptionKind::includeOptions},
    {u"-classpath ", OptionKind::classPathOverride},
    {u"-classpath/p ", OptionKind::classPathPrefix},
    {u"-classpath/a ", OptionKind::classPathSuffix},
};

const char* const twoWordModuleOptions[] = {
    "--patch-module", "--add-reads",     "--add-opens",           "--add-exports",
    "--limit-modules", "--add-modules", "--upgrade-module-path",
};

bool isTwoWordModuleOption(const std::string& option) {
    for (const char* name : twoWordModuleOptions)
        if (option == name) return true;
    return false;
}

}  // namespace

std::vector<std::string> optionFileLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
        size_t first = line.find_first_not_of(' ');
        if (first == std::string_view::npos) continue;
        line = line.substr(first, line.find_last_not_of(' ') + 1 - first);
        if (line.front() != '#') lines.emplace_back(line);
    }
    return lines;
}

ClassifiedOption classifyOption(std::u16string_view text) {
    for (const Directive& directive : directives)
        if (text.substr(0, directive.prefix.size()) == directive.prefix)
            return {directive.kind, text.substr(directive.prefix.size())};
    return {OptionKind::plain, text};
}

void joinModuleOptions(std::vector<std::string>& options) {
    for (size_t i = 0; i + 1 < options.size(); ++i) {
        if (!isTwoWordModuleOption(options[i])) continue;
        options[i] += "=" + options[i + 1];
        options.erase(options.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    }
}
