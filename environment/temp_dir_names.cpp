#include "environment/temp_dir_names.h"

std::string launcherTempDirName(const std::string& tempFile, int64_t secondsSince1970) {
    // "%d" of the low 32 bits, as a signed number.
    int32_t low = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(secondsSince1970)));
    return tempFile + "_dir" + std::to_string(low);
}

std::string fallbackTempFileName(const std::string& directory, int random) {
    std::string base = directory;
    if (base.empty() || (base.back() != '\\' && base.back() != '/')) base += '\\';
    return base + "tsl" + std::to_string(random);
}
