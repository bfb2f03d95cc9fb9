// MessageTable: message id -> UTF-16 text, with the locale overrides applied.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class MessageTable {
public:
    // Texts end at their first NUL.
    void set(int32_t id, std::u16string text);
    const std::u16string* find(int32_t id) const;
    void clear() { texts_.clear(); }

private:
    std::map<int32_t, std::u16string> texts_;
};

MessageTable& messageTable();

// The text cut to 5999 code units, or empty text when the id is absent.
std::u16string getMessage(int32_t id);
// getMessage, or the setting of the same id when the message is empty.
std::u16string getMessageOrSetting(int32_t id);
