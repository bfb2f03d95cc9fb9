// What every harness shares: a platform that writes nothing and turns the
// launcher's exit into an exception, a fresh launcher per input, and the
// splitting of one input into several texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FuzzExit {};

// Empties the settings, messages and launcher flags.
void resetLauncher();

// Runs one input against a fresh launcher. A fatal error of the launcher
// (the reader's end of the process) ends the call normally.
template <typename F>
void fuzzOne(F&& body) {
    resetLauncher();
    try {
        body();
    } catch (const FuzzExit&) {
    }
}

// The input cut at every newline into at most count texts; the last takes the rest.
std::vector<std::string> fuzzFields(const uint8_t* data, size_t size, size_t count);
// Bytes taken in pairs as UTF-16 code units (an odd last byte is dropped).
std::u16string utf16Of(std::string_view bytes);
