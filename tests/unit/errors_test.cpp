#include "launcher/errors.h"

#include <gtest/gtest.h>

#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

const std::u16string& shown() { return fakePlatform().shownErrors.back(); }

TEST(Errors, ShownTextsTakeOneArgumentTheLogLocationAndACut) {
    // The argument replaces the first placeholder only. The Windows tests see
    // fatal errors' texts and exit codes.
    messageTable().set(1006, u"{0} and {0}");
    showErrorMessage(1006, u"x");
    EXPECT_EQ(shown(), u"x and {0}");
    showErrorMessage(1006);
    EXPECT_EQ(shown(), u"{0} and {0}");
    showErrorMessageNarrow(1006, "\xFC");
    EXPECT_EQ(shown(), u"\u00FC and {0}");
    // Raw texts are shown as they stand.
    EXPECT_EQ(exitCodeOf([] { fatalErrorText(u"Internal Error: {0} magic"); }), 1);
    EXPECT_EQ(shown(), u"Internal Error: {0} magic");

    // A missing text shows empty, the log's location follows after an empty line, long texts are cut.
    showErrorMessage(1011);
    EXPECT_EQ(shown(), u"");
    fakePlatform().logFile = u"C:\\Temp\\ovn_nlog_1.log";
    messageTable().set(1016, u"No Java {0}");
    showErrorMessage(1016, u"32");
    EXPECT_EQ(shown(), u"No Java 32\n\nLog: C:\\Temp\\ovn_nlog_1.log");
    messageTable().set(1010, std::u16string(5990, u'a'));
    showErrorMessage(1010);
    EXPECT_EQ(shown().size(), 5999u);
}

}  // namespace
