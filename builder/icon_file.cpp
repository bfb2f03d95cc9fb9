#include "builder/icon_file.h"

#include "builder/byte_io.h"
#include "builder/image_type.h"

namespace {

constexpr size_t directorySize = 6, fileEntrySize = 16;

bool isIconImage(std::string_view image) {
    bool png = splashImageType(image) && std::string_view(splashImageType(image)) == "PNG";
    return png || (image.size() >= 40 && getLE(image, 0, 4) == 40);  // BITMAPINFOHEADER
}

}  // namespace

bool addIconResources(std::string_view icoFile, ResourceTree& tree, std::string& error) {
    uint64_t count = getLE(icoFile, 4, 2);
    if (icoFile.size() < directorySize || getLE(icoFile, 0, 2) != 0 || getLE(icoFile, 2, 2) != 1 || count == 0 ||
        directorySize + count * fileEntrySize > icoFile.size()) {
        error = "not an icon file (.ico with at least one image)";
        return false;
    }
    ResourceNames images;
    std::string group = std::string(icoFile.substr(0, directorySize));
    for (uint64_t i = 0; i < count; ++i) {
        size_t entry = directorySize + i * fileEntrySize;
        uint64_t size = getLE(icoFile, entry + 8, 4), offset = getLE(icoFile, entry + 12, 4);
        if (offset + size > icoFile.size() || size == 0 || !isIconImage(icoFile.substr(offset, size))) {
            error = "icon image " + std::to_string(i + 1) + " is damaged or neither PNG nor bitmap";
            return false;
        }
        uint16_t id = static_cast<uint16_t>(i + 1);
        images[id][languageEnglishUs] = std::string(icoFile.substr(offset, size));
        group.append(icoFile.substr(entry, 12));  // width .. bytes in resource
        putLE(group, id, 2);
    }
    tree[resourceIcon] = std::move(images);
    tree[resourceGroupIcon] = {{ResourceKey(1), {{languageEnglishUs, group}}}};
    return true;
}
