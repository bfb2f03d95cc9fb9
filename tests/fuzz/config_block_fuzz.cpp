// The configuration block readers and the included-files stream: a launcher
// file (starting "MZ", its block found behind the last section) or a bare
// block, loaded and, when it loads, its included files extracted in memory.
#include <set>
#include <memory>

#include "environment/included_files.h"
#include "launcher/config_loader.h"
#include "launcher/config_store.h"
#include "launcher/setting_ids.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

class MemoryTarget : public ExtractionTarget {
public:
    bool createDirectory(const std::string& path) override { return directories_.insert(path).second; }
    std::unique_ptr<ByteSink> createFile(const std::string&) override { return std::make_unique<MemoryByteSink>(); }

private:
    std::set<std::string> directories_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzOne([&] {
        std::string bytes(reinterpret_cast<const char*>(data), size);
        MemoryByteSource source(bytes);
        if (bytes.rfind("MZ", 0) == 0) locateConfigurationBlock(source);
        loadConfigurationFrom(source, [] { return std::string("de_DE"); });
        int count = getConfigInt(settingIncludedFileCount);
        if (count <= 0) return;
        std::vector<std::string> names = includedFileNames(dupConfigString(settingIncludedFileNames), count);
        refuseUnsafeIncludedNames(names);
        source.seek(extractionPosition());
        MemoryTarget target;
        extractIncludedFilesFrom(source, "C:\\tmp\\tsl1", names, target);
    });
    return 0;
}
