#include "launcher/message_table.h"

#include "launcher/config_store.h"

namespace {
constexpr size_t messageBuffer = 6000;
}

void MessageTable::set(int32_t id, std::u16string text) {
    size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos) text.resize(nul);
    texts_[id] = std::move(text);
}

const std::u16string* MessageTable::find(int32_t id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : &it->second;
}

MessageTable& messageTable() {
    static MessageTable table;
    return table;
}

std::u16string getMessage(int32_t id) {
    const std::u16string* text = messageTable().find(id);
    if (!text) return {};
    return text->substr(0, messageBuffer - 1);
}

std::u16string getMessageOrSetting(int32_t id) {
    std::u16string text = getMessage(id);
    if (text.empty()) text = getConfigStringWide(id, messageBuffer);
    return text;
}
