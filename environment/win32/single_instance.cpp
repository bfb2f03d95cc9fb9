#include "environment/single_instance.h"

#include <windows.h>

#include <utility>

#include "environment/instance_names.h"
#include "environment/launcher_path.h"
#include "environment/win32/instance_notification.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/setting_ids.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/registry.h"
#include "launcher/win32/wide.h"

namespace {

std::optional<std::string> semaphoreName;

const char pidsKey[] = "SOFTWARE\\valdrin-works\\tessel\\pids\\";

struct CreatedSemaphore {
    Handle handle;
    DWORD error;
};

// Default security, initial and maximum count 1; an existing semaphore is opened.
CreatedSemaphore createSemaphore(const std::string& name) {
    Handle handle(CreateSemaphoreA(nullptr, 1, 1, name.c_str()));
    return {std::move(handle), GetLastError()};
}

void logSemaphore(const std::string& name, const CreatedSemaphore& created) {
    logLine(u"semaphore name %S, code %d, value %p", name.c_str(), created.error,
            static_cast<void*>(created.handle.get()));
}

// The handle stays open for the process's life, so that the name stays taken.
void keepSemaphore(const std::string& name, CreatedSemaphore& created) {
    created.handle.release();
    semaphoreName = name;
}

// Numbered instances: the first name not yet taken, up to the number 100000.
void takeNumberedSemaphore(const std::string& key, bool global) {
    for (unsigned k = 0;; ++k) {
        std::string name = instanceSemaphoreNameFor(key, global, k);
        CreatedSemaphore created = createSemaphore(name);
        if (created.error == ERROR_ALREADY_EXISTS && k < 100000) continue;
        logSemaphore(name, created);
        keepSemaphore(name, created);
        return;
    }
}

bool processIsRunning(DWORD processId) {
    Handle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // exists, but not ours to open
    return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

// The process id that the running instance registered. An id whose process
// has ended counts as none, like a missing value: it is a stale entry of an
// instance that died, and the new first instance has not written its own yet.
DWORD registeredRunningPid(const std::string& key) {
    RegistryKey pids = openRegistryKey(HKEY_CURRENT_USER, pidsKey, KEY_QUERY_VALUE);
    DWORD pid = pids ? queryRegistryDword(pids.get(), key.c_str()).value_or(0) : 0;
    return pid != 0 && processIsRunning(pid) ? pid : 0;
}

void registerOwnPid(const std::string& key) {
    RegistryKey pids = createRegistryKey(HKEY_CURRENT_USER, pidsKey);
    if (!pids) return;
    DWORD pid = GetCurrentProcessId();
    RegSetValueExA(pids.get(), key.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pid), sizeof pid);
}

[[noreturn]] void handOverToRunningInstance(const std::string& key, bool forwardCommandLine) {
    // The running instance may have its semaphore but not yet its registry value.
    DWORD pid = registeredRunningPid(key);
    for (int retry = 0; pid == 0 && retry < 50; ++retry) {
        Sleep(100);
        pid = registeredRunningPid(key);
    }
    logLine(u"other pid %d", pid);
    if (pid != 0) {
        if (getConfigInt(settingActivateRunningInstance) != 0) activateInstanceWindows(pid, true);
        if (forwardCommandLine) notifyRunningInstance(pid, commandLineTail(utf16(GetCommandLineW())));
    }
    logLine(u"exiting");
    exitLauncher(0);
}

void startListener() {
    Handle mailslot(createNotificationMailslot());
    if (!mailslot) {
        logLine(u"creating mailslot failed");
        return;
    }
    logLine(u"creating mailslot successful");
    Handle thread(CreateThread(nullptr, 0, notificationListener, mailslot.get(), 0, nullptr));
    if (thread) mailslot.release();  // the listener owns it now
}

// The launcher's canonical path. A launcher whose path has no ANSI form
// takes it from the UTF-16 path, characters the code page lacks as "?":
// an empty key would make all such launchers one instance.
std::string instanceKey() {
    if (!launcherPathAnsi().empty()) return canonicalPath(launcherPathAnsi(), false);
    return toAnsi(canonicalPathWide(launcherPathWide(), false));
}

}  // namespace

void enterInstanceMode(bool forwardCommandLine) {
    const std::string key = instanceKey();
    const bool global = getConfigInt(settingGlobalInstanceSemaphore) != 0;
    if (getConfigInt(settingSingleInstance) == 0) {
        takeNumberedSemaphore(key, global);
        return;
    }
    logLine(u"single instance mode");
    std::string name = instanceSemaphoreNameFor(key, global);
    CreatedSemaphore created = createSemaphore(name);
    logSemaphore(name, created);
    if (created.error == ERROR_ALREADY_EXISTS) {
        created.handle.reset();
        handOverToRunningInstance(key, forwardCommandLine);
    }
    // Also when the creation failed otherwise: nothing says another instance runs.
    keepSemaphore(name, created);
    registerOwnPid(key);
    if (forwardCommandLine) startListener();
}

const std::optional<std::string>& instanceSemaphoreName() { return semaphoreName; }
