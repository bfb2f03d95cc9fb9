#include "jvmlaunch/variable_expansion.h"

#include "launcher/log.h"
#include "launcher/text.h"

namespace {

enum class Slot { launcherDirectory, launcherTempDir, separator, jvmHome, tempDirectory };

struct KeyRow {
    const char* key;
    Slot slot;
};

// Order matters: a value inserted by one row is searched by every later row.
const KeyRow keyTable[] = {
    {"%TESSEL_EXEDIR%", Slot::launcherDirectory},
    {"%ORVANE_EXEDIR%", Slot::launcherDirectory},
    {"%TESSEL_TEMPDIR%", Slot::launcherTempDir},
    {"%ORVANE_TEMPDIR%", Slot::launcherTempDir},
    {"%TESSEL_PATHLIST_SEPARATOR%", Slot::separator},
    {"%ORVANE_PATHLIST_SEPARATOR%", Slot::separator},
    {"%TESSEL_JVM_HOME%", Slot::jvmHome},
    {"%ORVANE_JVM_HOME%", Slot::jvmHome},
    {"${TESSEL_EXEDIR}", Slot::launcherDirectory},
    {"${ORVANE_EXEDIR}", Slot::launcherDirectory},
    {"${TESSEL_TEMPDIR}", Slot::launcherTempDir},
    {"${ORVANE_TEMPDIR}", Slot::launcherTempDir},
    {"${TESSEL_PATHLIST_SEPARATOR}", Slot::separator},
    {"${ORVANE_PATHLIST_SEPARATOR}", Slot::separator},
    {"${TESSEL_JVM_HOME}", Slot::jvmHome},
    {"${ORVANE_JVM_HOME}", Slot::jvmHome},
    {"${launcher:sys.launcherDirectory}", Slot::launcherDirectory},
    {"${launcher:sys.launcherTempDirectory}", Slot::launcherTempDir},
    {"${launcher:sys.pathlistSeparator}", Slot::separator},
    {"${launcher:sys.jvmHome}", Slot::jvmHome},
    {"${launcher:sys.tempDir}", Slot::tempDirectory},
};

// Environment values that name other variables can double a text with every
// variable; a replacement that would take it past this length is left out.
constexpr size_t maxExpandedLength = size_t{1} << 20;

template <typename Text>
bool fitsAfterReplacing(const Text& text, size_t at, const Text& key, const Text& value) {
    if (value.size() <= key.size()) return true;
    if (text.size() > maxExpandedLength) return false;
    size_t count = 0;
    for (; at != Text::npos; at = text.find(key, at + key.size())) ++count;
    return (maxExpandedLength - text.size()) / count >= value.size() - key.size();
}

// Calls onReplaced after each replacement; value is what goes into the text.
// The log shows the text after every replacement, so with the log on the
// text is replaced in place. Without it one pass builds the result: in place
// the rest of the text moves at every occurrence, quadratic in its length,
// and environment values that name other variables can make megabytes.
template <typename Text, typename OnReplaced>
void replaceEach(Text& text, const Text& key, const Text& value, OnReplaced onReplaced) {
    if (key.empty()) return;
    size_t at = text.find(key);
    if (at == Text::npos || !fitsAfterReplacing(text, at, key, value)) return;
    if (platform().logEnabled()) {
        for (; at != Text::npos; at = text.find(key, at)) {
            text.replace(at, key.size(), value);
            onReplaced();
            at += value.size();
        }
        return;
    }
    Text result;
    size_t from = 0;
    for (; at != Text::npos; at = text.find(key, from)) {
        result.append(text, from, at - from).append(value);
        from = at + key.size();
    }
    text = std::move(result.append(text, from, Text::npos));
}

template <typename Char>
std::basic_string<Char> upperAscii(std::basic_string<Char> text) {
    for (Char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<Char>(c - 'a' + 'A');
    return text;
}

template <typename Text>
void expandEnvironment(Text& text, const std::vector<Text>& environment) {
    using Char = typename Text::value_type;
    const Char open[] = {'$', '{', 0};
    const Char close[] = {'}', 0};
    for (const Text& entry : environment) {
        // Most texts name no variable; this spares building two keys per entry.
        if (text.find(open) == Text::npos) return;
        size_t eq = entry.find(Char('='));
        if (eq == Text::npos) continue;
        // Names Windows hides ("=C:") have an empty name and give the key "${}".
        Text key = open + entry.substr(0, eq) + close;
        Text value = entry.substr(eq + 1);
        replaceAll(text, key, value);
        replaceAll(text, upperAscii(key), value);
    }
}

template <typename Char>
bool mayHoldKeyIn(std::basic_string_view<Char> text) {
    const Char open[] = {'$', '{', 0};
    return text.find(Char('%')) != text.npos || text.find(open) != text.npos;
}

}  // namespace

bool mayHoldKey(std::u16string_view text) { return mayHoldKeyIn(text); }
bool mayHoldKey(std::string_view text) { return mayHoldKeyIn(text); }

void replaceAll(std::u16string& text, const std::u16string& key, const std::u16string& value) {
    replaceEach(text, key, value,
                [&] { logLine(u"expanding2 %s to %s in %s.", key.c_str(), value.c_str(), text.c_str()); });
}

void replaceAll(std::u16string& text, const std::u16string& key, const std::string& value) {
    if (text.find(key) == std::u16string::npos) return;
    replaceEach(text, key, widenBytes(value),
                [&] { logLine(u"expanding2 %s to %S in %s.", key.c_str(), value.c_str(), text.c_str()); });
}

void replaceAll(std::string& text, const std::string& key, const std::string& value) {
    replaceEach(text, key, value,
                [&] { logLine(u"expanding2 %S to %S in %S.", key.c_str(), value.c_str(), text.c_str()); });
}

void expandWithValues(std::u16string& text, const WideExpansionValues& values,
                      const std::vector<std::u16string>& environment) {
    for (const KeyRow& row : keyTable) {
        std::u16string key = widenBytes(row.key);
        auto insert = [&](const auto& value) { replaceAll(text, key, value); };
        switch (row.slot) {
            case Slot::launcherDirectory: std::visit(insert, values.launcherDirectory); break;
            case Slot::launcherTempDir: insert(values.launcherTempDir); break;
            case Slot::separator: insert(std::u16string(u";")); break;
            case Slot::jvmHome: insert(values.jvmHome); break;
            case Slot::tempDirectory: std::visit(insert, values.tempDirectory); break;
        }
    }
    expandEnvironment(text, environment);
}

void expandWithValues(std::string& text, const NarrowExpansionValues& values,
                      const std::vector<std::string>& environment) {
    const std::string separator = ";";
    for (const KeyRow& row : keyTable) {
        const std::string* value = nullptr;
        switch (row.slot) {
            case Slot::launcherDirectory: value = &values.launcherDirectory; break;
            case Slot::launcherTempDir: value = &values.launcherTempDir; break;
            case Slot::separator: value = &separator; break;
            case Slot::jvmHome: value = &values.jvmHome; break;
            case Slot::tempDirectory: value = &values.tempDirectory; break;
        }
        replaceAll(text, row.key, *value);
    }
    expandEnvironment(text, environment);
}
