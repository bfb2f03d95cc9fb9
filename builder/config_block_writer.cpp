#include "builder/config_block_writer.h"

#include "builder/byte_io.h"
#include "launcher/config_block_format.h"

namespace {

void putInt(std::string& out, int32_t value) { putLE(out, static_cast<uint32_t>(value), 4); }

void putString(std::string& out, const std::string& text) {
    putInt(out, static_cast<int32_t>(text.size()));
    out += text;
}

void putWString(std::string& out, const std::u16string& text) {
    putInt(out, static_cast<int32_t>(text.size() * 2));
    for (char16_t c : text) putLE(out, c, 2);
}

void putMessages(std::string& out, const std::vector<std::pair<int32_t, std::u16string>>& messages) {
    putInt(out, static_cast<int32_t>(messages.size()));
    for (const auto& [id, text] : messages) {
        putInt(out, id);
        putWString(out, text);
    }
}

bool hasSetting(const LauncherConfiguration& config, int32_t id) {
    for (const auto& setting : config.settings)
        if (setting.first == id) return true;
    return false;
}

std::vector<std::pair<int32_t, std::string>> settingsWithIncludedFiles(const LauncherConfiguration& config) {
    auto settings = config.settings;
    if (config.includedFiles.empty()) return settings;
    if (!hasSetting(config, 2002)) settings.emplace_back(2002, std::to_string(config.includedFiles.size()));
    if (!hasSetting(config, 2003)) {
        std::string names;
        for (const auto& file : config.includedFiles) names += file.name + ";";
        settings.emplace_back(2003, names);
    }
    return settings;
}

}  // namespace

LauncherConfiguration& LauncherConfiguration::set(int32_t id, std::string value) {
    for (auto& setting : settings)
        if (setting.first == id) {
            setting.second = std::move(value);
            return *this;
        }
    settings.emplace_back(id, std::move(value));
    return *this;
}

LauncherConfiguration& LauncherConfiguration::message(int32_t id, std::u16string text) {
    for (auto& entry : messages)
        if (entry.first == id) {
            entry.second = std::move(text);
            return *this;
        }
    messages.emplace_back(id, std::move(text));
    return *this;
}

std::string writeConfigurationBlock(const LauncherConfiguration& config) {
    std::string body;  // from the reserved 64-bit field to the end of the locale blocks
    auto settings = settingsWithIncludedFiles(config);
    putInt(body, static_cast<int32_t>(settings.size()));
    for (const auto& [id, value] : settings) {
        putInt(body, id);
        putString(body, value);
    }
    putMessages(body, config.messages);
    putInt(body, static_cast<int32_t>(config.localeBlocks.size()));
    for (const auto& block : config.localeBlocks) {
        putString(body, block.prefix);
        putMessages(body, block.messages);
    }

    std::string out;
    putLE(out, configBlockMagic, 4);
    putInt(out, 0);
    putInt(out, 0);
    putLE(out, body.size() + 8, 8);  // bytes from this field to the end of the locale blocks
    out += body;
    for (const auto& file : config.includedFiles) {
        putLE(out, file.content.size(), 8);
        for (char c : file.content) out.push_back(static_cast<char>(c ^ scrambleMask));
    }
    putLE(out, blockEndMarker, 4);
    return out;
}

std::optional<uint64_t> configurationBlockOffset(std::string_view image) {
    if (image.size() < 64 || image.substr(0, 2) != "MZ") return std::nullopt;
    uint64_t pe = getLE(image, 60, 4);
    if (pe + 24 > image.size() || image.substr(pe, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    uint64_t sections = getLE(image, pe + 6, 2);
    uint64_t optionalHeader = getLE(image, pe + 20, 2);
    uint64_t rawSizeField = pe + optionalHeader + 40 * sections;
    if (sections == 0 || rawSizeField + 8 > image.size()) return std::nullopt;
    return uint64_t{getLE(image, rawSizeField, 4)} + getLE(image, rawSizeField + 4, 4);
}

std::string makeLauncherFile(std::string_view launcherImage, const LauncherConfiguration& config) {
    auto offset = configurationBlockOffset(launcherImage);
    if (!offset || *offset > launcherImage.size()) return {};
    std::string file(launcherImage.substr(0, *offset));
    file += writeConfigurationBlock(config);
    padTo(file, 512);
    return file;
}
