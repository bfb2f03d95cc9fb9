// Enumerations by index (registry subkeys and the like).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What nameAt yields from index 0 up to the first index that yields nothing.
// Any failure ends it: an error that repeats for every index, such as a key
// deleted meanwhile, must not keep the loop going.
template <typename NameAt>
std::vector<std::string> namesUntilFailure(NameAt nameAt) {
    std::vector<std::string> names;
    for (uint32_t index = 0;; ++index) {
        std::optional<std::string> name = nameAt(index);
        if (!name) return names;
        names.push_back(std::move(*name));
    }
}
