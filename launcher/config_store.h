// ConfigStore: setting id -> 8-bit text, filled once from the configuration
// block. Integers and flags are decimal text; an absent setting reads as
// empty text and as 0.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "launcher/setting_ids.h"


class ConfigStore {
public:
    // Texts end at their first NUL, as the C strings they are read as.
    void set(int32_t id, std::string value);
    // The whole value, or nullptr when absent.
    const std::string* find(int32_t id) const;
    void clear() { values_.clear(); }

private:
    std::map<int32_t, std::string> values_;
};

ConfigStore& configStore();

// At most bufferSize - 1 bytes; a longer value is cut and the cut logged.
std::string getConfigString(int32_t id, size_t bufferSize);
// Widened byte by byte, at most bufferSize - 1 code units.
std::u16string getConfigStringWide(int32_t id, size_t bufferSize);
std::string dupConfigString(int32_t id);
int getConfigInt(int32_t id);

// Decimal conversion as the C runtime's atoi does it, without overflow.
int parseDecimal(const std::string& text);
