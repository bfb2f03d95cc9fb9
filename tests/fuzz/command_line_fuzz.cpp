// The command-line splitter and the log option, over any UTF-16 text.
#include "launcher/command_line.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        LauncherArgs args;
        splitCommandLine(utf16Of(std::string_view(reinterpret_cast<const char*>(data), size)), args);
        takeLogOption(args);
    });
    return 0;
}
