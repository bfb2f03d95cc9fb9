// The text rules of VM options that need no system: the lines of options
// files, the launcher directives among the options and the two-word module
// options.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The option lines of an options file read in text mode: trailing carriage
// returns and line feeds and surrounding blanks (U+0020 only) removed; empty
// lines and lines that begin with "#" left out.
std::vector<std::string> optionFileLines(std::string_view content);

enum class OptionKind { plain, includeOptions, classPathOverride, classPathPrefix, classPathSuffix };

struct ClassifiedOption {
    OptionKind kind;
    std::u16string_view argument;  // what follows the directive; the whole text when plain
};

// "-include-options ", "-classpath ", "-classpath/p " and "-classpath/a "
// (case-sensitive, blank included) are directives; anything else is plain.
ClassifiedOption classifyOption(std::u16string_view text);

// Joins "--add-opens" and the like with the following entry into one
// "name=value" entry, the only form the VM's creation interface accepts.
void joinModuleOptions(std::vector<std::string>& options);
