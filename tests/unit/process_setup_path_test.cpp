#include "environment/process_setup.h"

#include <gtest/gtest.h>

namespace {

TEST(NativeLibraryPath, ListSplitsAtSemicolonsWithoutEmptyElements) {
    EXPECT_EQ(splitPathList(""), std::vector<std::string>{});
    EXPECT_EQ(splitPathList(";;;"), std::vector<std::string>{});
    EXPECT_EQ(splitPathList("lib;C:\\native"), (std::vector<std::string>{"lib", "C:\\native"}));
    EXPECT_EQ(splitPathList(";lib;;x y;"), (std::vector<std::string>{"lib", "x y"}));
}

TEST(NativeLibraryPath, DirectoriesGoInFrontOfTheOldPath) {
    EXPECT_EQ(pathWithNativeDirectories({u"C:\\app\\lib", u"C:\\native"}, u"C:\\windows;C:\\bin"),
              u"C:\\app\\lib;C:\\native;C:\\windows;C:\\bin");
    EXPECT_EQ(pathWithNativeDirectories({u"C:\\native"}, u""), u"C:\\native;");
    // Without directories the old value is set again, unchanged.
    EXPECT_EQ(pathWithNativeDirectories({}, u"C:\\windows"), u"C:\\windows");
    EXPECT_EQ(pathWithNativeDirectories({}, u""), u"");
}

}  // namespace
