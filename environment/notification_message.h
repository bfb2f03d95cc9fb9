// One notification is one mailslot message: the UTF-16LE code units of the
// forwarded command-line tail, without length or terminator, or a marker
// when the tail is empty.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The most a notification mailslot accepts in one message.
constexpr size_t maxNotificationBytes = 65536;

inline constexpr std::u16string_view emptyCommandLineMarker = u"__ovn_empty_command_line";

// The message for a tail; the marker when the tail is empty.
std::vector<unsigned char> encodeNotification(std::u16string_view tail);

// The forwarded tail, or an inner none for the marker (no arguments). None
// for a message that no sender writes: empty, an odd byte count or more than
// maxNotificationBytes.
std::optional<std::optional<std::u16string>> decodeNotification(const unsigned char* data, size_t size);
