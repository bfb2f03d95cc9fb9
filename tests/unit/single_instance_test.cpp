#include <gtest/gtest.h>

#include "environment/instance_names.h"
#include "environment/notification_message.h"

namespace {

TEST(SingleInstance, CommandLineTailStartsAfterTheProgramTokenAndItsSpaces) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\"C:\\My App\\app.exe\"   a \"b c\"", u"a \"b c\""},
        {u"app.exe a  \"b  c\" ", u"a  \"b  c\" "},
        {u"\"C:\\a b\\app.exe\"x y", u"y"},       // the tail starts after the first space past the quote
        {u"\"C:\\My App\\app.exe a b", u""},      // no closing quote
        {u"app.exe", u""}, {u"\"app.exe\"", u""}, {u"app.exe   ", u""}, {u"", u""},
        {u"app.exe\ta", u""},                     // only U+0020 separates
    };
    for (const auto& [commandLine, tail] : cases)
        EXPECT_EQ(commandLineTail(commandLine), tail) << std::string(commandLine.begin(), commandLine.end());
}

TEST(SingleInstance, SemaphoreAndMailslotNames) {
    const std::string key = "c:\\program files\\app\\app.exe";
    EXPECT_EQ(instanceSemaphoreNameFor(key, false), "Local\\c:_program_files_app_app.exe");
    EXPECT_EQ(instanceSemaphoreNameFor(key, false, 0), "Local\\c:_program_files_app_app.exe0");
    EXPECT_EQ(instanceSemaphoreNameFor(key, true, 100000), "Global\\c:_program_files_app_app.exe100000");
    EXPECT_EQ(notificationMailslotName(4242), "\\\\.\\mailslot\\orvane_notification_4242");
}

TEST(SingleInstance, NotificationMessagesRoundTripAndMalformedOnesAreRefused) {
    for (std::u16string tail : {u"a \"b c\"", u"\u00e4\U0001F600 x", u"__ovn_empty_command_lin"}) {
        std::vector<unsigned char> message = encodeNotification(tail);
        EXPECT_EQ(message.size(), tail.size() * 2);
        EXPECT_EQ(decodeNotification(message.data(), message.size()), std::optional<std::u16string>(tail));
    }
    std::vector<unsigned char> marker = encodeNotification(u"");
    ASSERT_EQ(marker.size(), 48u);
    EXPECT_EQ(marker[0], '_');
    EXPECT_EQ(marker[1], 0);
    std::optional<std::optional<std::u16string>> none = decodeNotification(marker.data(), marker.size());
    ASSERT_TRUE(none.has_value());
    EXPECT_FALSE(none->has_value());

    std::vector<unsigned char> big(maxNotificationBytes + 2, 'x');
    EXPECT_FALSE(decodeNotification(marker.data(), 47));  // odd byte count
    EXPECT_FALSE(decodeNotification(big.data(), big.size()));
    EXPECT_TRUE(decodeNotification(big.data(), maxNotificationBytes));
    EXPECT_EQ(decodeNotification(nullptr, 0), std::optional<std::u16string>(u""));
}

}  // namespace
