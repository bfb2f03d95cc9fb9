// Variable expansion of configured texts: the text, then NAME=VALUE
// environment entries, one a line; the same bytes expanded narrow and wide,
// with the log off (one pass) and, for short inputs, on (in place, the text
// logged after every replacement, quadratic by design when environment
// values name other variables). Both ways must give the same text.
#include "jvmlaunch/variable_expansion.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> f = fuzzFields(data, size, 4);
    std::vector<std::string> environment(f.begin() + 1, f.end());
    std::vector<std::u16string> wideEnvironment;
    for (const std::string& entry : environment) wideEnvironment.emplace_back(entry.begin(), entry.end());
    WideExpansionValues values{std::string("C:\\caf\xE9\\"), "", "C:\\jre", std::u16string(u"C:\\tmp\\")};
    std::string narrow[2];
    std::u16string wide[2];
    for (int log = 0; log <= 1; ++log) {
        // The callers skip texts that cannot hold a key; those must come back unchanged.
        if (log && !mayHoldKey(f[0]) && narrow[0] != f[0]) __builtin_trap();
        // With the log on every replacement logs the whole text: compare only small results.
        if (log && (size >= 128 || narrow[0].size() > 1024 || wide[0].size() > 1024)) return 0;
        fuzzLog = log;
        fuzzOne([&] {
            narrow[log] = f[0];
            expandWithValues(narrow[log], {"C:\\app\\", "C:\\tmp\\tsl1\\", "C:\\jre", "C:\\tmp\\"}, environment);
            wide[log] = std::u16string(f[0].begin(), f[0].end());
            expandWithValues(wide[log], values, wideEnvironment);
        });
    }
    if (narrow[0] != narrow[1] || wide[0] != wide[1]) __builtin_trap();
    return 0;
}
