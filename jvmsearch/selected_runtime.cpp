#include "jvmsearch/selected_runtime.h"

std::string& jvmHome() {
    static std::string home;
    return home;
}

std::string& jvmVersion() {
    static std::string version;
    return version;
}
