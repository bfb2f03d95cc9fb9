// Expansion of the launcher keys ("%TESSEL_EXEDIR%", "${launcher:sys.jvmHome}",
// ...) and of environment references ("${NAME}") in configured texts.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// ansiSafe selects the forms of the launcher and temporary directories that
// survive a later conversion to the ANSI code page.
void expandVariables(std::u16string& text, bool ansiSafe);
void expandVariablesNarrow(std::string& text);

// The system-independent part: the values and the environment are given.

// False when text has neither "%" nor "${": no key can match, so the values
// need not be gathered.
bool mayHoldKey(std::u16string_view text);
bool mayHoldKey(std::string_view text);

// Replaces every occurrence of key by value and logs each replacement. The
// search goes on after the inserted value, so a value that contains the key
// is not expanded again by this call. The middle form widens the 8-bit value
// byte by byte while inserting.
void replaceAll(std::u16string& text, const std::u16string& key, const std::u16string& value);
void replaceAll(std::u16string& text, const std::u16string& key, const std::string& value);
void replaceAll(std::string& text, const std::string& key, const std::string& value);

// A value inserted into a UTF-16 text: UTF-16 itself, or 8-bit bytes widened
// byte by byte.
using InsertedValue = std::variant<std::u16string, std::string>;

struct WideExpansionValues {
    InsertedValue launcherDirectory;  // with its final backslash
    std::string launcherTempDir;      // empty when there is none
    std::string jvmHome;              // empty before a runtime is selected
    InsertedValue tempDirectory;
};

struct NarrowExpansionValues {
    std::string launcherDirectory;
    std::string launcherTempDir;
    std::string jvmHome;
    std::string tempDirectory;
};

// The key table in its order, then for every NAME=VALUE entry of environment
// (in the given order; entries without "=" are skipped) "${NAME}" and its
// ASCII upper-cased form.
void expandWithValues(std::u16string& text, const WideExpansionValues& values,
                      const std::vector<std::u16string>& environment);
void expandWithValues(std::string& text, const NarrowExpansionValues& values,
                      const std::vector<std::string>& environment);
