#include "jvmsearch/registry_choice.h"

#include <gtest/gtest.h>

#include "jvmsearch/runtime_architecture.h"

namespace {

TEST(RegistryChoiceTest, VersionSubkeysAreFilteredAndProbedInDescendingTextOrder) {
    std::vector<std::string> names = {"1.8.0_191", "1.8", "9", "1.8.0_60", "11", "1.7.0_80", "Bogus"};
    EXPECT_EQ(versionNamesToProbe(names, parseVersion("1.8"), {}),
              (std::vector<std::string>{"9", "11", "1.8.0_60", "1.8.0_191", "1.8"}));
    // Lenient: a name with fewer parts than the bound passes.
    EXPECT_EQ(versionNamesToProbe(names, parseVersion("1.8.0_100"), parseVersion("1.8")),
              (std::vector<std::string>{"1.8.0_191", "1.8"}));
    EXPECT_EQ(usableCurrentVersion(std::string("11"), {}, parseVersion("1.8")), "");
    EXPECT_EQ(usableCurrentVersion(std::string("1.8"), {}, parseVersion("1.8")), "1.8");
}

// The first bytes of a PE image whose header starts at `at`.
std::string imageStart(uint32_t at, const std::string& signature, uint16_t machine, size_t size = 512) {
    std::string bytes(size, '\0');
    bytes.replace(0, 2, "MZ");
    for (int i = 0; i < 4; ++i) bytes[0x3c + i] = static_cast<char>(at >> (8 * i));
    if (at + 6 <= size) {
        bytes.replace(at, 4, signature);
        bytes[at + 4] = static_cast<char>(machine & 0xff);
        bytes[at + 5] = static_cast<char>(machine >> 8);
    }
    return bytes;
}

TEST(RuntimeArchitecture, MachineFieldOfThePeHeader) {
    const std::string pe("PE\0\0", 4);
    EXPECT_EQ(peMachine(imageStart(0x80, pe, 0x8664)), 0x8664);
    EXPECT_EQ(peMachine(imageStart(506, pe, 0xaa64)), 0xaa64);  // the header's last byte is the data's
    EXPECT_EQ(peMachine(imageStart(507, pe, 0x8664)), std::nullopt);
    EXPECT_EQ(peMachine(imageStart(0xfffffff0u, pe, 0x8664)), std::nullopt);  // no wrap-around
    EXPECT_EQ(peMachine(imageStart(0x80, std::string("NE\0\0", 4), 0x8664)), std::nullopt);
    std::string notMz = imageStart(0x80, pe, 0x8664);
    notMz[0] = 'X';
    EXPECT_EQ(peMachine(notMz), std::nullopt);
    EXPECT_EQ(peMachine("MZ"), std::nullopt);
}

}  // namespace
