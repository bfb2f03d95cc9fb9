#include "launcher/log_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

template <typename... T>
constexpr bool fits(const char16_t* format) {
    return logFormatFits(format, LogArgKinds<LogArgTypes<T...>>::value);
}

// A format that does not take its arguments does not compile.
static_assert(fits<const char16_t*, const char*, int, long long, void*>(u"%s %S %d %I64d %p"));
static_assert(fits<>(u"100%% sure"));
static_assert(!fits<const char*>(u"%s"));             // 8-bit text for a UTF-16 directive
static_assert(!fits<const char16_t*>(u"%S"));
static_assert(!fits<long long>(u"%d"));                // 64 bits for a 32-bit directive
static_assert(!fits<int>(u"%I64d"));
static_assert(!fits<int>(u"%s"));
static_assert(!fits<int>(u"%d %d"));                   // an argument missing
static_assert(!fits<int, int>(u"%d"));                 // one left over
static_assert(fits<float, double>(u"%f %f") && !fits<int>(u"%f") && !fits<double>(u"%d"));
static_assert(!fits<int>(u"%u"));

TEST(LogFormat, WideConventionsForStrings) {
    const char16_t* wideText = u"w\u00FCde";
    const char* narrowText = "n\xE4rrow";
    EXPECT_EQ(formatChecked(u"%s|%S", wideText, narrowText), u"w\u00FCde|n\u00E4rrow");
    EXPECT_EQ(formatChecked(u"[%5s][%-4S]", u"ab", "c"), u"[   ab][c   ]");
    EXPECT_EQ(formatChecked(u"%s|%S", static_cast<const char16_t*>(nullptr), static_cast<const char*>(nullptr)),
              u"(null)|(null)");
    EXPECT_EQ(formatChecked(u"%c", u'\u00FC'), u"\u00FC");
}

TEST(LogFormat, Numbers) {
    EXPECT_EQ(formatChecked(u"%d %x %#x %05d %-3d %03d|%%", -12, 255u, 0x8664, 42, 1, -7),
              u"-12 ff 0x8664 00042 1   -07|%");
    EXPECT_EQ(formatChecked(u"%d %x", 4000000000u, -1), u"-294967296 ffffffff");  // as a 32-bit int
    EXPECT_EQ(formatChecked(u"%I64d %I64d", -5000000000LL, INT64_MIN), u"-5000000000 -9223372036854775808");
    // Pointers as the Windows runtime prints them.
    std::u16string pointer = sizeof(void*) == 4 ? u"0000ABCD" : u"000000000000ABCD";
    EXPECT_EQ(formatChecked(u"%p", reinterpret_cast<void*>(0xABCD)), pointer);
}

TEST(LogFormat, RealsWithSixRoundedDecimals) {
    EXPECT_EQ(formatChecked(u"%f %f %f|%010f|%-10f|", 1.5f, 0.1f, 1234567.25, -1.25, 0.9999999),
              u"1.500000 0.100000 1234567.250000|-01.250000|1.000000  |");
    EXPECT_EQ(formatChecked(u"%f %f", INFINITY, -0.0), u"1.#INF00 -0.000000");
}

TEST(LogFormat, TimestampHasNoLeadingZeros) {
    EXPECT_EQ(logTimestamp(1005), u"[1:5] ");
    EXPECT_EQ(logTimestamp(62340), u"[62:340] ");
    EXPECT_EQ(composeLogLine(3, true, u"oops"), u"[0:3] ERROR: oops");
}

TEST(LogFormat, EncodedAsUtf8TextModeLines) {
    EXPECT_EQ(encodeLogText(u"a\u00FC\u20AC\n"), "a\xC3\xBC\xE2\x82\xAC\r\n");
    EXPECT_EQ(encodeLogText(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(encodeLogText(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
    EXPECT_EQ(encodeLogText(u"\uFEFFx"), "\xEF\xBB\xBFx");
}

}  // namespace
