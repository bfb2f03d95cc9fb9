#include "builder/build_input.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "builder/text_encoding.h"

namespace {

std::vector<std::pair<int32_t, std::u16string>> utf16Messages(const std::map<int32_t, std::string>& texts) {
    std::vector<std::pair<int32_t, std::u16string>> out;
    for (const auto& [id, text] : texts) out.emplace_back(id, utf8ToUtf16(text));
    return out;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    std::filesystem::path file = std::filesystem::u8path(path);
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file)) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string readFileOrThrow(const std::string& path) {
    std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) throw BuildError(path + ": cannot read the file");
    return std::move(*bytes);
}

LauncherConfiguration launcherConfiguration(const BuildInput& input) {
    LauncherConfiguration config;
    config.settings.assign(input.settings.begin(), input.settings.end());
    config.includedFiles = input.includedFiles;
    std::vector<std::string> locales;
    for (const auto& [locale, texts] : input.messages) {
        if (locale == "en")
            config.messages = utf16Messages(texts);
        else
            locales.push_back(locale);
    }
    std::stable_sort(locales.begin(), locales.end(),
                     [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    for (const std::string& locale : locales)
        config.localeBlocks.push_back({locale, utf16Messages(input.messages.at(locale))});
    return config;
}
