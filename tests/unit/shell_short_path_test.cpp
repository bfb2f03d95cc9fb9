#include "environment/shell_short_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellShortPath, PercentQuoteAndWildcardsNeverReachTheInterpreter) {
    EXPECT_EQ(shortPathShellArguments(u"C:\\a b&c^(d)!e\\app.exe"),
              u"/D /E:ON /V:OFF /C for %I in (\"C:\\a b&c^(d)!e\\app.exe\") do @echo %~sI");
    for (const char16_t* path : {u"C:\\%PATH%\\app.exe", u"C:\\a\"b\\app.exe", u"C:\\*\\app.exe", u"C:\\a?\\app.exe"})
        EXPECT_EQ(shortPathShellArguments(path), std::nullopt);
}

TEST(ShellShortPath, OutputNeedsExitCodeZeroLengthAndALineEnd) {
    EXPECT_EQ(shortPathFromShellOutput("C:\\PROGRA~1\\APP.EXE\r\n", 0), "C:\\PROGRA~1\\APP.EXE");
    EXPECT_EQ(shortPathFromShellOutput("C:\\A~1\\B.EXE", 0), std::nullopt);  // possibly cut
    EXPECT_EQ(shortPathFromShellOutput("C:\\A~1\\B.EXE\r\n", 1), std::nullopt);
    EXPECT_EQ(shortPathFromShellOutput("a.ex\n", 0), std::nullopt);  // 5 bytes are not enough
    EXPECT_EQ(shortPathFromShellOutput("\r\n\r\n\r\n", 0), std::nullopt);
}

}  // namespace
