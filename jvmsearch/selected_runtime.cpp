#include "jvmsearch/selected_runtime.h"

namespace {

struct SelectedRuntime {
    std::string home;
    std::string version;
};

SelectedRuntime& selected() {
    static SelectedRuntime runtime;
    return runtime;
}

}  // namespace

const std::string& jvmHome() { return selected().home; }
const std::string& jvmVersion() { return selected().version; }

void setSelectedRuntime(std::string home, std::string version) {
    selected() = {std::move(home), std::move(version)};
}
