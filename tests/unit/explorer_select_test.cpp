#include "launcher/explorer_select.h"

#include <gtest/gtest.h>

namespace {

TEST(ExplorerSelect, PathIsQuotedAndTheLongFormStandsInForAMissingShortForm) {
    EXPECT_EQ(explorerSelectArguments(u"C:\\Log Files\\a,b.log", u"C:\\LOGFIL~1\\AB~1.LOG"),
              u"/select,\"C:\\LOGFIL~1\\AB~1.LOG\"");
    EXPECT_EQ(explorerSelectArguments(u"C:\\Log Files\\a,b.log", u""), u"/select,\"C:\\Log Files\\a,b.log\"");
}

}  // namespace
