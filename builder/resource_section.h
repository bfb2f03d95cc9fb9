// The resource tree of a PE image (type, name, language -> data) and the
// .rsrc section that holds it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// A resource type or name: a number, or a string (which sorts first, as the
// directory format requires).
struct ResourceKey {
    std::u16string name;  // empty for a numeric key
    uint16_t id = 0;

    ResourceKey(uint16_t number) : id(number) {}  // NOLINT: ids are the common case
    explicit ResourceKey(std::u16string text) : name(std::move(text)) {}
    bool isName() const { return !name.empty(); }
    bool operator<(const ResourceKey& other) const {
        if (isName() != other.isName()) return isName();
        return isName() ? name < other.name : id < other.id;
    }
    bool operator==(const ResourceKey& other) const { return name == other.name && id == other.id; }
    std::string text() const;  // "24" or "\"NAME\""
};

enum ResourceType : uint16_t {
    resourceIcon = 3,
    resourceRcData = 10,
    resourceGroupIcon = 14,
    resourceVersion = 16,
    resourceManifest = 24,
};

constexpr uint16_t languageEnglishUs = 1033;

// Where the level="..." value of a manifest's requestedExecutionLevel
// element lies (its first character and its length); none without one.
std::optional<std::pair<size_t, size_t>> manifestExecutionLevel(const std::string& manifest);

using ResourceLanguages = std::map<uint16_t, std::string>;
using ResourceNames = std::map<ResourceKey, ResourceLanguages>;
using ResourceTree = std::map<ResourceKey, ResourceNames>;

// The tree of a .rsrc section whose first byte is at sectionRva; nothing when
// its directories point outside the section or loop.
std::optional<ResourceTree> parseResourceSection(std::string_view section, uint32_t sectionRva);

// The section bytes for a tree placed at sectionRva, with zero time stamps.
std::string writeResourceSection(const ResourceTree& tree, uint32_t sectionRva);
