#include "environment/process_setup.h"

#include <gtest/gtest.h>

#include "launcher/text.h"

namespace {

TEST(NativeLibraryPath, NonEmptyElementsGoInFrontOfTheOldValue) {
    EXPECT_EQ(splitList(";lib;;x y;", ';'), (std::vector<std::string>{"lib", "x y"}));
    EXPECT_EQ(splitList(";;;", ';'), std::vector<std::string>{});
    EXPECT_EQ(pathWithNativeDirectories({u"C:\\native"}, u""), u"C:\\native;");
    // Without directories the old value is set again, unchanged.
    EXPECT_EQ(pathWithNativeDirectories({}, u"C:\\windows"), u"C:\\windows");
}

}  // namespace
