// The application of the recording VM: main returns, or as fakejvm.cfg
// says, ends the process with an exit code (like System.exit) or leaves an
// exception pending.
#include <windows.h>

#include <string>

#include "tests/fakejava/recording_jvm.h"

std::string runStaticMain(const std::string&, const std::vector<std::string>&) {
    std::string exitCode = vmSetting("mainExits", "");
    if (!exitCode.empty()) ExitProcess(static_cast<UINT>(std::stoul(exitCode)));
    return vmSetting("mainThrows", "");
}
