// What a runtime prints for "-version", and the cached version value.
#include "jvmsearch/java_probe_rules.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        std::string_view bytes(reinterpret_cast<const char*>(data), size);
        std::optional<std::string> version = versionFromOutput(bytes);
        // It is taken from a line of at most 99 characters, so it always fits the buffer.
        if (version && version->size() >= versionBufferSize) __builtin_trap();
        std::optional<std::string> cached = cachedVersionFromData(bytes);
        if (cached && cached->size() >= versionBufferSize) __builtin_trap();
    });
    return 0;
}
