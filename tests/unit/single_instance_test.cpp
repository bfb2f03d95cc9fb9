#include <gtest/gtest.h>

#include "environment/instance_names.h"
#include "environment/notification_message.h"

TEST(SingleInstance, CommandLineTailAndNames) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\"C:\\My App\\app.exe\"   a \"b c\"", u"a \"b c\""}, {u"app.exe a  \"b  c\" ", u"a  \"b  c\" "},
        {u"\"C:\\a b\\app.exe\"x y", u"y"},  {u"\"C:\\My App\\app.exe a b", u""},  // no closing quote
        {u"app.exe   ", u""}, {u"\"app.exe\"", u""}, {u"app.exe\ta", u""},  // only U+0020 separates
    };
    for (const auto& [commandLine, tail] : cases) EXPECT_TRUE(commandLineTail(commandLine) == tail);
    const std::string key = "c:\\program files\\app\\app.exe";
    EXPECT_EQ(instanceSemaphoreNameFor(key, false), "Local\\c:_program_files_app_app.exe");
    EXPECT_EQ(instanceSemaphoreNameFor(key, true, 100000), "Global\\c:_program_files_app_app.exe100000");
    EXPECT_EQ(notificationMailslotName(4242), "\\\\.\\mailslot\\orvane_notification_4242");
}

TEST(SingleInstance, NotificationMessages) {
    std::u16string tail = u"a \"\u00e4\U0001F600\"";
    std::vector<unsigned char> message = encodeNotification(tail), marker = encodeNotification(u"");
    EXPECT_EQ(decodeNotification(message.data(), message.size()), std::optional<std::u16string>(tail));
    ASSERT_EQ(marker.size(), 48u);
    EXPECT_EQ(decodeNotification(marker.data(), 48), std::make_optional(std::optional<std::u16string>()));
    std::vector<unsigned char> big(maxNotificationBytes + 2, 'x');  // more than any sender writes
    EXPECT_FALSE(decodeNotification(marker.data(), 47) || decodeNotification(big.data(), big.size()) ||
                 decodeNotification(marker.data(), 0));
    EXPECT_TRUE(decodeNotification(big.data(), maxNotificationBytes));
}
