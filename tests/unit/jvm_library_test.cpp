#include "jvmsearch/jvm_library.h"

#include <gtest/gtest.h>

namespace {

TEST(JvmLibraryPaths, HomeBinAndSiblingFollowTheExecutableName) {
    const std::string jre = "c:\\program files\\java\\jre1.8.0_191\\bin\\java.exe";
    EXPECT_EQ(jvmHomeFor(jre), "c:\\program files\\java\\jre1.8.0_191\\bin\\..");
    // javaw.exe is one character longer: cutting "java.exe" would leave "bin\j".
    EXPECT_EQ(jvmHomeFor("c:\\jre\\bin\\javaw.exe"), "c:\\jre\\bin\\..");
    EXPECT_EQ(javaBinDirectory("c:\\jre\\bin\\javaw.exe"), "c:\\jre\\bin");
    EXPECT_EQ(siblingJreJavaExe("c:\\jdk\\bin\\java.exe"), "c:\\jdk\\bin\\..\\jre\\bin\\java.exe");
    EXPECT_EQ(javaBinDirectory(siblingJreJavaExe("c:\\jdk\\bin\\javaw.exe")), "c:\\jdk\\bin\\..\\jre\\bin");
}

TEST(JvmLibraryPaths, ShortPathsNeverUnderflowAndLongValuesStayWhole) {
    EXPECT_EQ(javaExeDirectory("a.exe"), "");
    EXPECT_EQ(jvmHomeFor("x"), "..");
    EXPECT_EQ(extendedPath(u"", u"c:\\jre\\bin"), u";c:\\jre\\bin");
    std::u16string extended = extendedPath(std::u16string(30000, u'p'), u"c:\\jre\\bin");
    EXPECT_EQ(extended.size(), 30000u + 1 + 10);
    EXPECT_EQ(extended.substr(29998), u"pp;c:\\jre\\bin");
}

TEST(JvmLibraryPaths, PreferredVariantComesBeforeTheFixedOrder) {
    EXPECT_EQ(vmVariantOrder(""), (std::vector<std::string>{"hotspot", "client", "server", "classic", "jrockit"}));
    EXPECT_EQ(vmVariantOrder("server"),
              (std::vector<std::string>{"server", "hotspot", "client", "server", "classic", "jrockit"}));
}

}  // namespace
