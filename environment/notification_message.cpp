#include "environment/notification_message.h"

std::vector<unsigned char> encodeNotification(std::u16string_view tail) {
    std::u16string_view text = tail.empty() ? emptyCommandLineMarker : tail;
    std::vector<unsigned char> message;
    message.reserve(text.size() * 2);
    for (char16_t unit : text) {
        message.push_back(static_cast<unsigned char>(unit & 0xFF));
        message.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return message;
}

std::optional<std::optional<std::u16string>> decodeNotification(const unsigned char* data, size_t size) {
    if (size == 0 || size % 2 != 0 || size > maxNotificationBytes || !data) return std::nullopt;
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (text == emptyCommandLineMarker) return std::optional<std::u16string>();
    return std::optional<std::u16string>(std::move(text));
}
