#include "builder/pe_image.h"

#include <algorithm>

#include "builder/byte_io.h"

namespace {

constexpr size_t sectionHeaderSize = 40;
constexpr uint32_t resourceDirectory = 2, securityDirectory = 4;
constexpr uint32_t resourceCharacteristics = 0x40000040;  // initialised data, readable

// Section header fields.
constexpr size_t virtualSizeField = 8, virtualAddressField = 12, rawSizeField = 16, rawPointerField = 20,
                 characteristicsField = 36;

struct Section {
    uint32_t virtualSize, virtualAddress, rawSize, rawPointer;
};

Section sectionAt(std::string_view bytes, size_t header) {
    return {static_cast<uint32_t>(getLE(bytes, header + virtualSizeField, 4)),
            static_cast<uint32_t>(getLE(bytes, header + virtualAddressField, 4)),
            static_cast<uint32_t>(getLE(bytes, header + rawSizeField, 4)),
            static_cast<uint32_t>(getLE(bytes, header + rawPointerField, 4))};
}

size_t checksumField(std::string_view file) { return getLE(file, 60, 4) + 24 + 64; }

}  // namespace

std::optional<PeImage> PeImage::parse(std::string_view file, std::string& error) {
    PeImage image;
    error = "not a Windows executable";
    if (file.size() < 64 || file.substr(0, 2) != "MZ") return std::nullopt;
    size_t pe = getLE(file, 60, 4);
    if (pe + 24 > file.size() || file.substr(pe, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    image.sectionCount_ = static_cast<uint32_t>(getLE(file, pe + 6, 2));
    image.optionalHeader_ = pe + 24;
    image.sectionTable_ = image.optionalHeader_ + getLE(file, pe + 20, 2);
    uint64_t magic = getLE(file, image.optionalHeader_, 2);
    if (magic != 0x10B && magic != 0x20B) return std::nullopt;
    image.is64_ = magic == 0x20B;
    image.dataDirectories_ = image.optionalHeader_ + (image.is64_ ? 112 : 96);
    image.dataDirectoryCount_ = static_cast<uint32_t>(getLE(file, image.dataDirectories_ - 4, 4));
    size_t tableEnd = image.sectionTable_ + image.sectionCount_ * sectionHeaderSize;
    if (image.sectionCount_ == 0 || tableEnd > file.size() || image.dataDirectoryCount_ <= securityDirectory ||
        image.dataDirectories_ + 8 * uint64_t{image.dataDirectoryCount_} > image.sectionTable_)
        return std::nullopt;
    Section last = sectionAt(file, tableEnd - sectionHeaderSize);
    if (uint64_t{last.rawPointer} + last.rawSize > file.size()) return std::nullopt;
    image.bytes_ = std::string(file.substr(0, last.rawPointer + last.rawSize));

    uint32_t resourceRva = static_cast<uint32_t>(getLE(file, image.dataDirectories_ + 8 * resourceDirectory, 4));
    error = "damaged resource section";
    for (uint32_t i = 0; resourceRva != 0 && i < image.sectionCount_; ++i) {
        Section s = sectionAt(file, image.sectionTable_ + i * sectionHeaderSize);
        if (resourceRva < s.virtualAddress || resourceRva >= s.virtualAddress + s.rawSize) continue;
        if (uint64_t{s.rawPointer} + s.rawSize > file.size()) return std::nullopt;
        std::string_view data = file.substr(s.rawPointer + (resourceRva - s.virtualAddress),
                                            s.rawSize - (resourceRva - s.virtualAddress));
        auto tree = parseResourceSection(data, resourceRva);
        if (!tree) return std::nullopt;
        image.resources_ = std::move(*tree);
        image.resourceSection_ = i;
    }
    error.clear();
    return image;
}

std::optional<std::string> PeImage::withResources(const ResourceTree& tree, std::string& error) const {
    std::string out = bytes_;
    uint32_t sectionAlignment = static_cast<uint32_t>(getLE(out, optionalHeader_ + 32, 4));
    uint32_t fileAlignment = static_cast<uint32_t>(getLE(out, optionalHeader_ + 36, 4));
    uint32_t headersSize = static_cast<uint32_t>(getLE(out, optionalHeader_ + 60, 4));
    if (sectionAlignment == 0 || fileAlignment == 0) {
        error = "the executable has no section alignment";
        return std::nullopt;
    }
    size_t lastHeader = sectionTable_ + (sectionCount_ - 1) * sectionHeaderSize;
    Section last = sectionAt(out, lastHeader);
    size_t header = lastHeader;
    uint32_t virtualAddress = last.virtualAddress, rawPointer = last.rawPointer;
    if (resourceSection_ != sectionCount_ - 1) {
        header = lastHeader + sectionHeaderSize;
        if (header + sectionHeaderSize > headersSize || header + sectionHeaderSize > last.rawPointer) {
            error = "the executable's headers have no room for another section";
            return std::nullopt;
        }
        virtualAddress = static_cast<uint32_t>(
            alignUp(uint64_t{last.virtualAddress} + std::max(last.virtualSize, last.rawSize), sectionAlignment));
        rawPointer = static_cast<uint32_t>(alignUp(uint64_t{last.rawPointer} + last.rawSize, fileAlignment));
        out.replace(header, sectionHeaderSize, std::string(".rsrc\0\0\0", 8) + std::string(32, '\0'));
        setLE(out, characteristicsField + header, resourceCharacteristics, 4);
        setLE(out, optionalHeader_ - 24 + 6, sectionCount_ + 1, 2);
    }
    std::string section = writeResourceSection(tree, virtualAddress);
    out.resize(rawPointer);
    out.append(section);
    padTo(out, fileAlignment);
    setLE(out, header + virtualSizeField, section.size(), 4);
    setLE(out, header + virtualAddressField, virtualAddress, 4);
    setLE(out, header + rawSizeField, out.size() - rawPointer, 4);
    setLE(out, header + rawPointerField, rawPointer, 4);
    setLE(out, optionalHeader_ + 56, alignUp(uint64_t{virtualAddress} + section.size(), sectionAlignment), 4);
    setLE(out, dataDirectories_ + 8 * resourceDirectory, virtualAddress, 4);
    setLE(out, dataDirectories_ + 8 * resourceDirectory + 4, section.size(), 4);
    setLE(out, dataDirectories_ + 8 * securityDirectory, 0, 8);
    return out;
}

void updatePeChecksum(std::string& file) {
    size_t field = checksumField(file);
    if (field + 4 > file.size()) return;
    setLE(file, field, 0, 4);
    uint64_t sum = 0;
    for (size_t i = 0; i < file.size(); i += 2) {
        sum += getLE(file, i, i + 1 < file.size() ? 2 : 1);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    setLE(file, field, sum + file.size(), 4);
}
