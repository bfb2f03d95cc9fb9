#include "builder/resource_section.h"

#include <type_traits>
#include <vector>

#include "builder/byte_io.h"

namespace {

constexpr uint32_t subdirectoryBit = 0x80000000;
constexpr uint32_t nameBit = 0x80000000;
constexpr int maximumDepth = 3;

class SectionParser {
public:
    SectionParser(std::string_view section, uint32_t rva) : section_(section), rva_(rva) {}

    bool parse(ResourceTree& tree) {
        return directory(0, 0, [&](const ResourceKey& type, uint32_t at) {
            return directory(at, 1, [&](const ResourceKey& name, uint32_t at2) {
                return directory(at2, 2, [&](const ResourceKey& language, uint32_t entry) {
                    if (language.isName() || (entry & subdirectoryBit) || entry + 16 > section_.size()) return false;
                    uint64_t dataRva = getLE(section_, entry, 4), size = getLE(section_, entry + 4, 4);
                    if (dataRva < rva_ || dataRva - rva_ + size > section_.size()) return false;
                    tree[type][name][language.id] = std::string(section_.substr(dataRva - rva_, size));
                    return true;
                });
            });
        });
    }

private:
    template <typename Visit>
    bool directory(uint32_t at, int depth, Visit visit) {
        if (depth >= maximumDepth || at + 16 > section_.size()) return false;
        uint64_t count = getLE(section_, at + 12, 2) + getLE(section_, at + 14, 2);
        // Entries may share directories; a real tree has no more entries than its bytes allow.
        entriesVisited_ += count;
        if (at + 16 + count * 8 > section_.size() || entriesVisited_ > section_.size() / 8) return false;
        for (uint64_t i = 0; i < count; ++i) {
            size_t entry = at + 16 + i * 8;
            uint32_t nameField = static_cast<uint32_t>(getLE(section_, entry, 4));
            uint32_t target = static_cast<uint32_t>(getLE(section_, entry + 4, 4));
            std::optional<ResourceKey> key = keyOf(nameField);
            bool isLeafLevel = depth == 2;
            if (!key || isLeafLevel == ((target & subdirectoryBit) != 0)) return false;
            uint32_t next = target & ~subdirectoryBit;
            if (!isLeafLevel && next <= at) return false;  // directories only point forwards: no loops
            if (!visit(*key, next)) return false;
        }
        return true;
    }

    std::optional<ResourceKey> keyOf(uint32_t field) const {
        if (!(field & nameBit)) return ResourceKey(static_cast<uint16_t>(field));
        uint32_t at = field & ~nameBit;
        uint64_t length = getLE(section_, at, 2);
        if (at + 2 + length * 2 > section_.size()) return std::nullopt;
        std::u16string name;
        for (uint64_t i = 0; i < length; ++i) name.push_back(static_cast<char16_t>(getLE(section_, at + 2 + i * 2, 2)));
        if (name.empty()) return std::nullopt;
        return ResourceKey(name);
    }

    std::string_view section_;
    uint32_t rva_;
    uint64_t entriesVisited_ = 0;
};

// Lays the section out as: directories, data entries, name strings, data.
class SectionWriter {
public:
    explicit SectionWriter(const ResourceTree& tree) : tree_(tree) {}

    std::string write(uint32_t rva) {
        std::string out;
        std::vector<std::pair<size_t, const ResourceKey*>> namedEntries;  // field position, key
        std::vector<std::pair<size_t, const std::string*>> dataEntries;
        uint32_t nextDirectory = directorySize(tree_.size());
        auto putDirectory = [&](auto& map) {
            uint16_t named = 0;
            if constexpr (std::is_same_v<typename std::decay_t<decltype(map)>::key_type, ResourceKey>)
                for (auto& [key, value] : map) named += key.isName() ? 1 : 0;
            putLE(out, 0, 4);  // characteristics
            putLE(out, 0, 4);  // time stamp: none, for reproducible files
            putLE(out, 0, 4);  // version
            putLE(out, named, 2);
            putLE(out, map.size() - named, 2);
        };
        auto putKey = [&](const ResourceKey& key) {
            if (key.isName()) namedEntries.emplace_back(out.size(), &key);
            putLE(out, key.isName() ? 0 : key.id, 4);
        };
        // Breadth-first: the root, then each type's directory, then each name's.
        putDirectory(tree_);
        for (auto& [type, names] : tree_) {
            putKey(type);
            putLE(out, subdirectoryBit | nextDirectory, 4);
            nextDirectory += directorySize(names.size());
        }
        for (auto& [type, names] : tree_) {
            putDirectory(names);
            for (auto& [name, languages] : names) {
                putKey(name);
                putLE(out, subdirectoryBit | nextDirectory, 4);
                nextDirectory += directorySize(languages.size());
            }
        }
        uint32_t nextEntry = nextDirectory;
        for (auto& [type, names] : tree_)
            for (auto& [name, languages] : names) {
                putDirectory(languages);
                for (auto& [language, data] : languages) {
                    putLE(out, language, 4);
                    putLE(out, nextEntry, 4);
                    nextEntry += 16;
                    dataEntries.emplace_back(0, &data);
                }
            }
        size_t entriesAt = out.size();
        out.append(dataEntries.size() * 16, '\0');
        for (auto& [field, key] : namedEntries) {
            setLE(out, field, nameBit | out.size(), 4);
            putLE(out, key->name.size(), 2);
            putUtf16(out, key->name);
        }
        for (size_t i = 0; i < dataEntries.size(); ++i) {
            padTo(out, 8);
            setLE(out, entriesAt + i * 16, rva + out.size(), 4);
            setLE(out, entriesAt + i * 16 + 4, dataEntries[i].second->size(), 4);
            out += *dataEntries[i].second;
        }
        padTo(out, 8);
        return out;
    }

private:
    static uint32_t directorySize(size_t entries) { return static_cast<uint32_t>(16 + 8 * entries); }

    const ResourceTree& tree_;
};

}  // namespace

std::string ResourceKey::text() const {
    if (!isName()) return std::to_string(id);
    std::string ascii = "\"";
    for (char16_t c : name) ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return ascii + "\"";
}

std::optional<std::pair<size_t, size_t>> manifestExecutionLevel(const std::string& manifest) {
    const std::string attribute = "level=\"";
    size_t element = manifest.find("requestedExecutionLevel");
    if (element == std::string::npos) return std::nullopt;
    size_t start = manifest.find(attribute, element);
    if (start == std::string::npos) return std::nullopt;
    start += attribute.size();
    size_t end = manifest.find('"', start);
    if (end == std::string::npos) return std::nullopt;
    return std::pair<size_t, size_t>{start, end - start};
}

std::optional<ResourceTree> parseResourceSection(std::string_view section, uint32_t sectionRva) {
    ResourceTree tree;
    if (!SectionParser(section, sectionRva).parse(tree)) return std::nullopt;
    return tree;
}

std::string writeResourceSection(const ResourceTree& tree, uint32_t sectionRva) {
    return SectionWriter(tree).write(sectionRva);
}
