// A small PE image for the builder's tests: .text, .rsrc with a manifest and
// a dialog, .reloc last, and the end marker the real template carries.
#pragma once

#include <string>

#include "builder/byte_io.h"
#include "builder/resource_section.h"

inline std::string builderTestImage(bool is64Bit = true) {
    ResourceTree tree;
    tree[resourceManifest][1][languageEnglishUs] = "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>";
    tree[5][101][languageEnglishUs] = "dialog";
    tree[ResourceKey(u"NAMED")][ResourceKey(u"ENTRY")][7] = "named";
    std::string image(0x400, '\0');
    size_t optional = 0x40 + 24, table = optional + (is64Bit ? 240 : 224);
    image.replace(0, 2, "MZ");
    setLE(image, 60, 0x40, 4);
    image.replace(0x40, 4, std::string("PE\0\0", 4));
    setLE(image, 0x40 + 6, 3, 2);
    setLE(image, 0x40 + 20, table - optional, 2);
    setLE(image, optional, is64Bit ? 0x20B : 0x10B, 2);
    setLE(image, optional + 32, 0x1000, 4);
    setLE(image, optional + 36, 0x200, 4);
    setLE(image, optional + 56, 0x4000, 4);
    setLE(image, optional + 60, 0x400, 4);
    setLE(image, optional + (is64Bit ? 108 : 92), 16, 4);
    setLE(image, optional + (is64Bit ? 112 : 96) + 16, 0x2000, 4);
    std::string resources = writeResourceSection(tree, 0x2000);
    setLE(image, optional + (is64Bit ? 112 : 96) + 20, resources.size(), 4);
    const char* names[] = {".text", ".rsrc", ".reloc"};
    std::string contents[] = {std::string(0x200, '\x90'), resources, std::string(0x10, 'r')};
    for (int i = 0; i < 3; ++i) {
        size_t header = table + 40 * i;
        image.replace(header, std::char_traits<char>::length(names[i]), names[i]);
        setLE(image, header + 8, contents[i].size(), 4);
        setLE(image, header + 12, 0x1000 * (i + 1), 4);
        setLE(image, header + 16, alignUp(contents[i].size(), 0x200), 4);
        setLE(image, header + 20, image.size(), 4);
        image += contents[i];
        padTo(image, 0x200);
    }
    return image + "\xE8\xE4\x13\xD5" + std::string(508, '\0');
}
