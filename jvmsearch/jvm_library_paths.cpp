#include "jvmsearch/jvm_library.h"

const char* const kVmVariants[5] = {"hotspot", "client", "server", "classic", "jrockit"};

namespace {

CreateJavaVmFunction storedCreateJavaVm = nullptr;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

size_t javaExeNameLength(const std::string& javaExePath) {
    size_t length = endsWith(javaExePath, "javaw.exe") ? 9 : 8;
    return length < javaExePath.size() ? length : javaExePath.size();
}

std::string javaExeDirectory(const std::string& javaExePath) {
    return javaExePath.substr(0, javaExePath.size() - javaExeNameLength(javaExePath));
}

std::string javaBinDirectory(const std::string& javaExePath) {
    std::string directory = javaExeDirectory(javaExePath);
    if (!directory.empty()) directory.pop_back();
    return directory;
}

std::string siblingJreJavaExe(const std::string& javaExePath) {
    return javaExeDirectory(javaExePath) + "..\\jre\\bin\\java.exe";
}

std::string jvmHomeFor(const std::string& javaExePath) { return javaExeDirectory(javaExePath) + ".."; }

std::u16string extendedPath(const std::u16string& oldPath, const std::u16string& binDirectory) {
    return oldPath + u";" + binDirectory;
}

std::vector<std::string> vmVariantOrder(const std::string& preferred) {
    std::vector<std::string> order;
    if (!preferred.empty()) order.push_back(preferred);
    order.insert(order.end(), std::begin(kVmVariants), std::end(kVmVariants));
    return order;
}

void setCreateJavaVmEntry(CreateJavaVmFunction entry) { storedCreateJavaVm = entry; }

CreateJavaVmFunction createJavaVmEntry() { return storedCreateJavaVm; }
