// The application of the recording VM: main returns, or as fakejvm.cfg
// says, first waits for a number of forwarded command lines (at most 60 s),
// ends the process with an exit code (like System.exit) or leaves an
// exception pending.
#include <windows.h>

#include <atomic>
#include <string>

#include "tests/fakejava/recording_jvm.h"

static std::atomic<int> startups{0};

void startupPerformed(const std::optional<std::string>&) { ++startups; }

std::string runStaticMain(const std::string&, const std::vector<std::string>&) {
    const int awaited = std::stoi(vmSetting("notifications", "0"));
    for (int waited = 0; startups < awaited && waited < 600; ++waited) Sleep(100);
    std::string exitCode = vmSetting("mainExits", "");
    if (!exitCode.empty()) ExitProcess(static_cast<UINT>(std::stoul(exitCode)));
    return vmSetting("mainThrows", "");
}
