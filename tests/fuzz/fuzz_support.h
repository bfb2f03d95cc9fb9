// What every harness shares: a platform that drops what it is given and
// turns the launcher's exit into an exception, a fresh launcher per input,
// and the cutting of one input into several texts.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "launcher/platform.h"

struct FuzzExit {};

// Log lines are formatted (that code reads the fuzzed texts too) and dropped,
// unless a harness turns the log off.
inline bool fuzzLog = true;

class DroppingPlatform : public Platform {
public:
    bool logEnabled() override { return fuzzLog; }
    void writeLogLine(bool, const std::u16string&) override {}
    std::u16string logFileName() override { return u"C:\\log.txt"; }
    void showErrorText(const std::u16string&) override {}
    [[noreturn]] void exitLauncher(int) override { throw FuzzExit{}; }
};

// Runs one input against a fresh launcher; a reader's fatal error ends it normally.
template <typename F>
void fuzzOne(F&& body) {
    static DroppingPlatform dropping;
    installPlatform(dropping);
    configStore().clear();
    messageTable().clear();
    launcherState() = LauncherState();
    try {
        body();
    } catch (const FuzzExit&) {
    }
}

// The input cut at newlines into count texts; the last takes the rest.
inline std::vector<std::string> fuzzFields(const uint8_t* data, size_t size, size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    for (size_t end; fields.size() + 1 < count && (end = rest.find('\n')) != rest.npos; rest.remove_prefix(end + 1))
        fields.emplace_back(rest.substr(0, end));
    fields.emplace_back(rest);
    fields.resize(count);
    return fields;
}

// Bytes taken in pairs as UTF-16 code units (an odd last byte is dropped).
inline std::u16string utf16Of(std::string_view bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
}
