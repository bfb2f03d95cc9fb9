// The included-file name list and the check that keeps every name inside
// the launcher's temporary directory.
#include <cstring>

#include "environment/included_files.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// What a name that passed the check can never be: absolute, on a drive,
// climbing out, or more than one directory deep.
bool escapes(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != name.npos) return true;
    size_t separators = 0;
    for (char c : name) separators += c == '\\' || c == '/';
    return separators > 1 || name == ".." || name.rfind("..\\", 0) == 0 || name.rfind("../", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        if (size == 0) return;
        std::string list(reinterpret_cast<const char*>(data) + 1, size - 1);
        for (const std::string& name : includedFileNames(list, data[0])) {
            if (isSafeIncludedName(name) && escapes(name)) __builtin_trap();
            includedFileDirectory(name);
        }
        refuseUnsafeIncludedNames({list});
    });
    return 0;
}
