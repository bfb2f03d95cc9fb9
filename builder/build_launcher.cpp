#include "builder/build_launcher.h"

#include <filesystem>
#include <fstream>

#include "builder/icon_file.h"
#include "builder/pe_image.h"

namespace {

constexpr uint16_t splashResourceBase = 10000;

std::string withExecutionLevel(std::string manifest, const std::string& level) {
    auto value = manifestExecutionLevel(manifest);
    if (!value) throw BuildError("the launcher's manifest names no execution level");
    return manifest.replace(value->first, value->second, level);
}

}  // namespace

std::string buildLauncherFile(std::string_view launcherTemplate, const BuildInput& input) {
    std::string error;
    auto image = PeImage::parse(launcherTemplate, error);
    if (!image) throw BuildError("launcher template: " + error);
    if (image->is64Bit() != (input.arch == "x64")) throw BuildError("launcher template is not for " + input.arch);

    ResourceTree tree = image->resources();
    for (const auto& [k, bytes] : input.splashImages)
        tree[resourceRcData][static_cast<uint16_t>(splashResourceBase + k)] = {{languageEnglishUs, bytes}};
    if (!input.icon.empty() && !addIconResources(input.icon, tree, error)) throw BuildError("icon: " + error);
    if (input.version) {
        VersionInfo version = *input.version;
        if (!version.strings.count("OriginalFilename") && !input.output.empty())
            version.strings["OriginalFilename"] = std::filesystem::u8path(input.output).filename().u8string();
        tree[resourceVersion] = {{ResourceKey(1), {{languageEnglishUs, writeVersionResource(version)}}}};
    }
    if (!input.executionLevel.empty()) {
        auto manifest = tree.find(resourceManifest);
        if (manifest == tree.end() || !manifest->second.count(1))
            throw BuildError("the launcher template has no manifest");
        for (auto& [language, text] : manifest->second[1]) text = withExecutionLevel(text, input.executionLevel);
    }
    auto rebuilt = image->withResources(tree, error);
    if (!rebuilt) throw BuildError("launcher template: " + error);
    std::string file = makeLauncherFile(*rebuilt, launcherConfiguration(input));
    updatePeChecksum(file);
    return file;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::filesystem::path target = std::filesystem::u8path(path);
    std::filesystem::path temporary = target;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw BuildError(path + ": cannot write the file");
        }
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, target, renameError);
    if (renameError) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw BuildError(path + ": cannot replace the file: " + renameError.message());
    }
}
