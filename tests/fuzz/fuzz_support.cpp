#include "tests/fuzz/fuzz_support.h"

#include <cstring>

#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "launcher/platform.h"

namespace {

// Log lines are formatted (that code reads the fuzzed texts too) and dropped.
class SilentPlatform : public Platform {
public:
    bool logEnabled() override { return true; }
    void writeLogLine(bool, const std::u16string&) override {}
    std::u16string logFileName() override { return u"C:\\log.txt"; }
    void showErrorText(const std::u16string&) override {}
    [[noreturn]] void exitLauncher(int) override { throw FuzzExit{}; }
};

}  // namespace

void resetLauncher() {
    static SilentPlatform silent;
    installPlatform(silent);
    configStore().clear();
    messageTable().clear();
    launcherState() = LauncherState();
}

std::vector<std::string> fuzzFields(const uint8_t* data, size_t size, size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    while (fields.size() + 1 < count) {
        size_t end = rest.find('\n');
        if (end == rest.npos) break;
        fields.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    fields.emplace_back(rest);
    fields.resize(count);
    return fields;
}

std::u16string utf16Of(std::string_view bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
}
