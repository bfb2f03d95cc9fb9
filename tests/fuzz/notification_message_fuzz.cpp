// Mailslot messages: any bytes another process writes. What decodes must
// encode back to the same bytes.
#include <cstring>

#include "environment/notification_message.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        auto decoded = decodeNotification(data, size);
        if (!decoded) return;
        std::vector<unsigned char> again = encodeNotification(decoded->value_or(std::u16string()));
        if (again.size() != size || (size && std::memcmp(again.data(), data, size) != 0)) __builtin_trap();
    });
    return 0;
}
