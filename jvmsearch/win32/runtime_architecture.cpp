#include "jvmsearch/runtime_architecture.h"

#include <windows.h>

#include "launcher/architecture.h"
#include "launcher/log.h"
#include "launcher/win32/handle.h"

static_assert(x86Architecture.peMachine == IMAGE_FILE_MACHINE_I386 &&
                  x64Architecture.peMachine == IMAGE_FILE_MACHINE_AMD64,
              "the machine fields of the two launchers");
static_assert(x86Architecture.otherRegistryView == KEY_WOW64_64KEY &&
                  x64Architecture.otherRegistryView == KEY_WOW64_32KEY,
              "the registry view each launcher does not read by default");

bool runtimeFitsLauncher(const std::string& javaExe) {
    Handle file(CreateFileA(javaExe.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return true;
    std::string start(4096, '\0');
    DWORD got = 0;
    bool read = ReadFile(file.get(), &start[0], static_cast<DWORD>(start.size()), &got, nullptr);
    std::optional<uint16_t> machine = read ? peMachine(std::string_view(start.data(), got)) : std::nullopt;
    uint16_t found = machine.value_or(launcherArchitecture.peMachine);
    if (found == launcherArchitecture.peMachine) return true;
    logLine(u"%S is built for machine %#x, not for this %d-bit launcher", javaExe.c_str(),
            static_cast<unsigned>(found), launcherArchitecture.bits);
    return false;
}
