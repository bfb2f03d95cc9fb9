#include "environment/temp_dir_names.h"

#include <gtest/gtest.h>

namespace {

TEST(TempDirNames, FormatsOfTheGeneratedNames) {
    EXPECT_EQ(launcherTempDirName("C:\\T\\tsl1A2.tmp", 1700000000), "C:\\T\\tsl1A2.tmp_dir1700000000");
    EXPECT_EQ(launcherTempDirName("x", 0x100000005LL), "x_dir5");  // low 32 bits
    EXPECT_EQ(launcherTempDirName("x", 0xFFFFFFFFLL), "x_dir-1");  // as a signed number
    EXPECT_EQ(probeDirectoryName(std::u16string(u"D:\\t"), 7, 0), u"D:\\t\\tsltw70");
    EXPECT_EQ(fallbackTempFileName("C:\\T", 99), "C:\\T\\tsl99");
    EXPECT_EQ(fallbackTempFileName("C:/T/", 99), "C:/T/tsl99");
}

std::vector<std::string> paths(const std::vector<TempDirCandidate<std::string>>& candidates) {
    std::vector<std::string> result;
    for (const auto& candidate : candidates)
        result.push_back(candidate.path + (candidate.checkLongName ? "" : " (any name)"));
    return result;
}

// Directories that other users share never hold the launcher's files.
TEST(TempDirNames, OnlyTheUsersOwnDirectoriesAreCandidates) {
    EXPECT_EQ(paths(tempDirCandidates<std::string>("C:\\T", "C:\\Users\\u", "H:", "\\home")),
              (std::vector<std::string>{"C:\\T", "C:\\Users\\u\\AppData\\Local\\Temp", "H:\\home", "C:\\T (any name)",
                                        "C:\\Users\\u\\AppData\\Local\\Temp (any name)", "H:\\home (any name)"}));
    EXPECT_TRUE(tempDirCandidates<std::string>(std::nullopt, std::nullopt, "H:", std::nullopt).empty());
}

}  // namespace
