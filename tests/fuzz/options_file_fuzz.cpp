// The options files with their directives: the default options file and two
// files it may include, separated by NUL bytes, read into the VM option list.
#include "jvmlaunch/option_rules.h"
#include "jvmlaunch/vm_options.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/config_store.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fake_vm_option_sources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        std::string_view rest(reinterpret_cast<const char*>(data), size);
        FakeVmOptionSources sources;
        for (const char16_t* name : {u"c:\\app\\tool.vmoptions", u"c:\\app\\a.txt", u"c:\\app\\b\\c.txt"}) {
            size_t end = std::min(rest.find('\0'), rest.size());
            sources.files[name] = std::string(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        sources.existing = {"C:\\app\\lib", "C:\\jre"};
        sources.environment = {{"HOME", "C:\\home"}};
        sources.listings["C:\\app\\lib\\*.jar"] = {"a.jar", "b.jar"};
        setSelectedRuntime("C:\\jre", "1.8.0_202");
        configStore().set(settingReadVmOptionsFile, "1");
        configStore().set(settingJavaOptionArguments, "1");
        assembleVmOptionsWith(sources, {u"tool.exe", u"-J-include-options a.txt"}, {"-Dp=1"});
        for (const std::string& line : optionFileLines(sources.files[u"c:\\app\\tool.vmoptions"]))
            classifyOption(std::u16string(line.begin(), line.end()));
    });
    return 0;
}
