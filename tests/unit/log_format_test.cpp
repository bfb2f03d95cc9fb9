#include "launcher/log_format.h"

#include <gtest/gtest.h>

namespace {

TEST(LogFormat, WideConventionsForStrings) {
    const char16_t* wideText = u"w\u00FCde";
    const char* narrowText = "n\xE4rrow";
    EXPECT_EQ(formatWide(u"%s|%S", wideText, narrowText), u"w\u00FCde|n\u00E4rrow");
    EXPECT_EQ(formatWide(u"[%5s][%-4S][%.2s]", u"ab", "c", u"xyz"), u"[   ab][c   ][xy]");
    EXPECT_EQ(formatWide(u"%s", static_cast<const char16_t*>(nullptr)), u"(null)");
    EXPECT_EQ(formatWide(u"%c%C", u'\u00FC', 'A'), u"\u00FCA");
}

TEST(LogFormat, Numbers) {
    EXPECT_EQ(formatWide(u"%d %i %u %x %X %05d %-3d|", -12, 7, 4000000000u, 255, 255, 42, 1),
              u"-12 7 4000000000 ff FF 00042 1  |");
    EXPECT_EQ(formatWide(u"%I64d %lld %I64u", -5000000000LL, 6000000000LL, 18446744073709551615ULL),
              u"-5000000000 6000000000 18446744073709551615");
    EXPECT_EQ(formatWide(u"%ld %hd %*d|%%", 70000L, 70000, 4, 3), u"70000 4464    3|%");
    // Pointers as the Windows runtime prints them.
    std::u16string pointer = sizeof(void*) == 4 ? u"0000ABCD" : u"000000000000ABCD";
    EXPECT_EQ(formatWide(u"%p", reinterpret_cast<void*>(0xABCD)), pointer);
}

TEST(LogFormat, TimestampHasNoLeadingZeros) {
    EXPECT_EQ(logTimestamp(1005), u"[1:5] ");
    EXPECT_EQ(logTimestamp(62040), u"[62:40] ");
    EXPECT_EQ(composeLogLine(3, true, u"oops"), u"[0:3] ERROR: oops");
}

TEST(LogFormat, EncodedAsUtf8TextModeLines) {
    EXPECT_EQ(encodeLogText(u"a\u00FC\u20AC\n"), "a\xC3\xBC\xE2\x82\xAC\r\n");
    EXPECT_EQ(encodeLogText(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(encodeLogText(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
    EXPECT_EQ(encodeLogText(u"\uFEFFx"), "\xEF\xBB\xBFx");
}

}  // namespace
