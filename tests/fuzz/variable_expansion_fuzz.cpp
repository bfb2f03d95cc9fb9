// Variable expansion of configured texts: the text, then NAME=VALUE
// environment entries, one a line; the same bytes expanded narrow and wide.
#include "jvmlaunch/variable_expansion.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        std::vector<std::string> f = fuzzFields(data, size, 4);
        std::vector<std::string> environment(f.begin() + 1, f.end());
        std::string narrow = f[0];
        expandWithValues(narrow, {"C:\\app\\", "C:\\tmp\\tsl1\\", "C:\\jre", "C:\\tmp\\"}, environment);

        std::vector<std::u16string> wideEnvironment;
        for (const std::string& entry : environment) wideEnvironment.emplace_back(entry.begin(), entry.end());
        std::u16string wide(f[0].begin(), f[0].end());
        WideExpansionValues values{std::string("C:\\caf\xE9\\"), "", "C:\\jre", std::u16string(u"C:\\tmp\\")};
        expandWithValues(wide, values, wideEnvironment);
    });
    return 0;
}
