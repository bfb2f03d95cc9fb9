#include "jvmlaunch/variable_expansion.h"

#include <gtest/gtest.h>

namespace {

class VariableExpansionTest : public ::testing::Test {
protected:
    NarrowExpansionValues narrowValues{"C:\\app\\", "C:\\tmp\\e4j1\\", "C:\\jre\\bin\\..", "C:\\tmp\\"};

    std::string expandNarrow(std::string text, const std::vector<std::string>& environment = {}) {
        expandWithValues(text, narrowValues, environment);
        return text;
    }
    static std::u16string expandWide(std::u16string text, const std::vector<std::u16string>& environment = {}) {
        WideExpansionValues values{std::u16string(u"C:\\app\\"), "C:\\tmp\\e4j1\\", "C:\\jre\\bin\\..",
                                   std::u16string(u"C:\\tmp\\")};
        expandWithValues(text, values, environment);
        return text;
    }
};

TEST_F(VariableExpansionTest, KeysOfBothPrefixesAndFormsInBothWidthsInsertValuesAsTheyAre) {
    std::pair<const char*, const char*> rows[] = {
        {"%TESSEL_EXEDIR%", "C:\\app\\"},
        {"${ORVANE_TEMPDIR}", "C:\\tmp\\e4j1\\"},
        {"${TESSEL_JVM_HOME}", "C:\\jre\\bin\\.."},
        {"${launcher:sys.pathlistSeparator}", ";"},
        {"${launcher:sys.tempDir}", "C:\\tmp\\"},
    };
    for (const auto& [key, value] : rows) {
        std::string expected = "<" + std::string(value) + ">";
        EXPECT_EQ(expandNarrow("<" + std::string(key) + ">"), expected) << key;
        std::string wideKey = key;
        EXPECT_EQ(expandWide(u"<" + std::u16string(wideKey.begin(), wideKey.end()) + u">"),
                  std::u16string(expected.begin(), expected.end()))
            << key;
    }
    // Keys are case-sensitive and complete; unknown references stay as written.
    for (const char* text : {"${launcher:sys.tempdir}", "%tessel_exedir%", "%TESSEL_EXEDIR", "${NOT_SET}"})
        EXPECT_EQ(expandNarrow(text), text);
    // Only texts with "%" or "${" are worth gathering the values for.
    EXPECT_TRUE(mayHoldKey("100%") && mayHoldKey(u"a${"));
    EXPECT_FALSE(mayHoldKey("C:\\app\\lib") || mayHoldKey(u"$x{y}"));

    // Values go in as they are: the doubled backslash is for the callers' path resolution.
    EXPECT_EQ(expandNarrow("${launcher:sys.launcherDirectory}\\lib"), "C:\\app\\\\lib");
    narrowValues.jvmHome.clear();  // before a runtime is selected
    EXPECT_EQ(expandNarrow("[${launcher:sys.jvmHome}]"), "[]");

    // 8-bit directories in UTF-16 texts are widened byte by byte, without a code page.
    WideExpansionValues values{std::string("C:\\caf\xE9\\"), "", "", std::string("C:\\t\xFF\\")};
    std::u16string text = u"${launcher:sys.launcherDirectory}|${launcher:sys.tempDir}";
    expandWithValues(text, values, {});
    EXPECT_EQ(text, u"C:\\caf\u00E9\\|C:\\t\u00FF\\");
}

TEST_F(VariableExpansionTest, InsertedValuesAreSearchedOnlyByLaterKeys) {
    std::string text = "a${K}b${K}";
    replaceAll(text, "${K}", "<${K}>");
    EXPECT_EQ(text, "a<${K}>b<${K}>");
    // A later row expands what an earlier one inserted, not the other way round.
    narrowValues.launcherDirectory = "D:\\%TESSEL_JVM_HOME%\\";
    EXPECT_EQ(expandNarrow("%TESSEL_EXEDIR%"), "D:\\C:\\jre\\bin\\..\\");
    narrowValues.jvmHome = "%TESSEL_EXEDIR%";
    EXPECT_EQ(expandNarrow("%TESSEL_JVM_HOME%"), "%TESSEL_EXEDIR%");
    // Environment references follow the order of the block.
    EXPECT_EQ(expandNarrow("${FIRST}", {"FIRST=a${OTHER}", "OTHER=b"}), "ab");
    EXPECT_EQ(expandNarrow("${FIRST}", {"OTHER=b", "FIRST=a${OTHER}"}), "a${OTHER}");
    // The upper-case pass sees what the own-case pass inserted.
    EXPECT_EQ(expandWide(u"${Lower}", {u"Lower=${LOWER}x"}), u"${LOWER}xx");
}

TEST_F(VariableExpansionTest, EnvironmentNamesInTheirOwnAndUpperCase) {
    std::vector<std::u16string> environment = {u"Path=C:\\bin", u"NOEQUALS", u"HOME=C:\\u"};
    EXPECT_EQ(expandWide(u"${Path}|${PATH}|${path}|${HOME}|${home}", environment),
              u"C:\\bin|C:\\bin|${path}|C:\\u|${home}");
    EXPECT_EQ(expandNarrow("${A}", {"A=x=y"}), "x=y");
    // Hidden per-drive entries have an empty name.
    EXPECT_EQ(expandNarrow("${}", {"=C:=C:\\work"}), "C:=C:\\work");
    // Launcher keys come first and win over variables of the same name.
    EXPECT_EQ(expandNarrow("${TESSEL_EXEDIR}", {"TESSEL_EXEDIR=elsewhere"}), "C:\\app\\");
}

TEST_F(VariableExpansionTest, AReplacementThatWouldPassOneMebibyteIsLeftOut) {
    // Variables that name others twice would otherwise double the text with each one.
    std::string half(size_t{1} << 19, 'x');
    EXPECT_EQ(expandNarrow("${A}", {"A=" + half}), half);
    EXPECT_EQ(expandNarrow("${A}${A}${A}", {"A=" + half}), "${A}${A}${A}");
}

}  // namespace
