// Stands in for the VM option assembly until it is merged: the VM receives
// the launcher system properties only.
#include "jvmlaunch/vm_options.h"

std::vector<std::string> assembleVmOptions(const LauncherArgs&, const std::vector<std::string>& systemProperties) {
    return systemProperties;
}
