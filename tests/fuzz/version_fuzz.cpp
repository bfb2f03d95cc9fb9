// Version texts, the bounds and the order: a version, a minimum and a maximum, one a line.
#include "jvmsearch/version_rules.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        std::vector<std::string> f = fuzzFields(data, size, 3);
        VersionParts minimum = parseVersion(f[1]), maximum = parseVersion(f[2].c_str());
        checkVersionRules(f[0], minimum, maximum, false);
        checkVersionRules(f[0], minimum, maximum, true);
        checkVersionRulesLenient(f[0], minimum, maximum);
        // The order is strict: never both ways.
        if (isNewerVersion(f[0], f[1]) && isNewerVersion(f[1], f[0])) __builtin_trap();
        if (isNewerVersion(f[0], f[0])) __builtin_trap();
    });
    return 0;
}
