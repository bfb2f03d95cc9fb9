#include "launcher/config_store.h"

#include <climits>

#include "launcher/log.h"
#include "launcher/text.h"

void ConfigStore::set(int32_t id, std::string value) {
    size_t nul = value.find('\0');
    if (nul != std::string::npos) value.resize(nul);
    values_[id] = std::move(value);
}

const std::string* ConfigStore::find(int32_t id) const {
    auto it = values_.find(id);
    return it == values_.end() ? nullptr : &it->second;
}

ConfigStore& configStore() {
    static ConfigStore store;
    return store;
}

std::string getConfigString(int32_t id, size_t bufferSize) {
    const std::string* value = configStore().find(id);
    if (!value || bufferSize == 0) return {};
    if (value->size() > bufferSize - 1) {
        logLine(u"ERROR: config string %d truncated (%d %d)", static_cast<int>(id), static_cast<int>(bufferSize),
                static_cast<int>(value->size()));
        return value->substr(0, bufferSize - 1);
    }
    return *value;
}

std::u16string getConfigStringWide(int32_t id, size_t bufferSize) {
    return widenBytes(getConfigString(id, bufferSize));
}

std::string dupConfigString(int32_t id) {
    const std::string* value = configStore().find(id);
    return value ? *value : std::string();
}

int parseDecimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

int getConfigInt(int32_t id) { return parseDecimal(getConfigString(id, 6000)); }
