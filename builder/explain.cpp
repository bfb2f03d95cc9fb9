#include "builder/explain.h"

#include <cstdlib>
#include <map>
#include <sstream>

#include "builder/byte_io.h"
#include "builder/config_block_writer.h"
#include "builder/pe_image.h"
#include "builder/text_encoding.h"
#include "builder/toml_config.h"
#include "launcher/config_block_format.h"
#include "launcher/setting_ids.h"

namespace {

// The block read without trusting it: every count and length is checked
// against the bytes that are there.
class BlockParser {
public:
    explicit BlockParser(std::string_view bytes, uint64_t at) : bytes_(bytes), at_(at) {}

    bool ok() const { return ok_; }
    int32_t integer() { return static_cast<int32_t>(take(4)); }
    int64_t longInteger() { return static_cast<int64_t>(take(8)); }
    std::string_view bytes(int64_t count) {
        if (!ok_ || count < 0 || at_ > bytes_.size() || static_cast<uint64_t>(count) > bytes_.size() - at_)
            return fail();
        std::string_view out = bytes_.substr(at_, count);
        at_ += count;
        return out;
    }
    std::u16string wide() {
        std::string_view raw = bytes(integer());
        std::u16string out;
        for (size_t i = 0; i + 1 < raw.size(); i += 2) out.push_back(static_cast<char16_t>(getLE(raw, i, 2)));
        return out;
    }

private:
    uint64_t take(int width) {
        std::string_view raw = bytes(width);
        return ok_ ? getLE(raw, 0, width) : 0;
    }
    std::string_view fail() {
        ok_ = false;
        return {};
    }

    std::string_view bytes_;
    uint64_t at_;
    bool ok_ = true;
};

const char* resourceTypeName(const ResourceKey& type) {
    if (type.isName()) return "";
    switch (type.id) {
        case resourceIcon: return " (icon)";
        case resourceRcData: return " (data)";
        case resourceGroupIcon: return " (icon group)";
        case resourceVersion: return " (version)";
        case resourceManifest: return " (manifest)";
        case 5: return " (dialog)";
        default: return "";
    }
}

// ", level asInvoker" for a manifest that requests an execution level.
std::string manifestLevel(const ResourceKey& type, const std::string& data) {
    if (type.isName() || type.id != resourceManifest) return "";
    auto value = manifestExecutionLevel(data);
    return value ? ", level " + data.substr(value->first, value->second) : "";
}

void describeMessages(std::ostringstream& out, const std::string& locale, BlockParser& block) {
    int32_t count = block.integer();
    for (int32_t i = 0; block.ok() && i < count; ++i) {
        int32_t id = block.integer();
        out << "  [" << locale << "] " << id << " = " << utf16ToUtf8(block.wide()) << "\n";
    }
}

}  // namespace

std::optional<std::string> explainLauncherFile(std::string_view file, std::string& error) {
    auto image = PeImage::parse(file, error);
    if (!image) return std::nullopt;
    uint64_t at = configurationBlockOffset(file).value_or(file.size());
    BlockParser block(file, at);
    if (static_cast<uint32_t>(block.integer()) != configBlockMagic) {
        error = "no launcher configuration block after the executable image";
        return std::nullopt;
    }
    std::ostringstream out;
    out << (image->is64Bit() ? "64-bit" : "32-bit") << " launcher, block at offset " << at << "\n";
    // Two reserved integers and the length of the settings and messages: nothing to show.
    block.integer();
    block.integer();
    block.longInteger();
    out << "settings:\n";
    std::map<int32_t, std::string> settings;
    int32_t count = block.integer();
    for (int32_t i = 0; block.ok() && i < count; ++i) {
        int32_t id = block.integer();
        settings[id] = std::string(block.bytes(block.integer()));
    }
    for (const auto& [id, value] : settings) {
        const ConfigKey* key = keyForSetting(id);
        out << "  " << (key ? key->name : "raw") << " (" << id << ") = " << latin1ToUtf8(value) << "\n";
    }
    out << "messages:\n";
    describeMessages(out, "base", block);
    int32_t locales = block.integer();
    for (int32_t i = 0; block.ok() && i < locales; ++i) {
        std::string prefix(block.bytes(block.integer()));
        describeMessages(out, prefix, block);
    }
    out << "included files:\n";
    auto names = settings.find(settingIncludedFileNames);
    std::vector<std::string> nameList = splitList(names == settings.end() ? "" : names->second, ';');
    auto fileCount = settings.find(settingIncludedFileCount);
    int32_t files = fileCount == settings.end() ? 0 : std::atoi(fileCount->second.c_str());
    for (size_t i = 0; i < nameList.size() && static_cast<int64_t>(i) < files && block.ok(); ++i) {
        int64_t size = block.longInteger();
        block.bytes(size);
        out << "  " << latin1ToUtf8(nameList[i]) << " (" << size << " bytes)\n";
    }
    if (!block.ok()) {
        error = "the configuration block is cut short";
        return std::nullopt;
    }
    out << "resources:\n";
    for (const auto& [type, resources] : image->resources())
        for (const auto& [resource, languages] : resources)
            for (const auto& [language, data] : languages)
                out << "  type " << type.text() << resourceTypeName(type) << ", name " << resource.text()
                    << ", language " << language << ": " << data.size() << " bytes" << manifestLevel(type, data)
                    << "\n";
    return out.str();
}
