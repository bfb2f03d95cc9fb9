#include "jvmsearch/jvm_library.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "environment/launcher_path.h"
#include "environment/process_setup.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/config_store.h"
#include "launcher/log.h"

namespace {

const int32_t kPreferredVmVariant = 152;

struct PathValue {
    bool set = false;
    std::string text;
};

PathValue readPath() {
    PathValue value;
    // The value may change between the two calls; ask again until it fits.
    for (DWORD capacity = 256;;) {
        std::string buffer(capacity, '\0');
        SetLastError(ERROR_SUCCESS);
        DWORD length = GetEnvironmentVariableA("PATH", buffer.data(), capacity);
        if (length == 0) {
            value.set = GetLastError() != ERROR_ENVVAR_NOT_FOUND;
            return value;
        }
        if (length < capacity) {
            value.set = true;
            value.text.assign(buffer.data(), length);
            return value;
        }
        capacity = length + 1;
    }
}

// Both the system's environment and the C runtime's copy, so that getenv
// and child processes agree. _putenv first: it also writes the system's
// copy, and our own call decides what is logged.
void writePath(const PathValue& value) {
    std::string entry = "PATH=" + value.text;
    _putenv(entry.c_str());
    BOOL ok = SetEnvironmentVariableA("PATH", value.set ? value.text.c_str() : nullptr);
    if (ok)
        logLine(u"Setting PATH %S", value.text.c_str());
    else
        logLine(u"Setting PATH %S failed with error %d", value.text.c_str(), static_cast<int>(GetLastError()));
}

}  // namespace

JvmModule tryJvmDll(const std::string& binDirectory, const std::string& subdirectory) {
    std::string path = binDirectory + "\\" + subdirectory + "\\jvm.dll";
    bool exists = pathExists(path);
    logLine(u"Trying %S (exists %d)", path.c_str(), exists ? 1 : 0);
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module && exists) logLine(u"Failed with error code %d", static_cast<int>(GetLastError()));
    return module;
}

JvmModule loadJvmDllFromBin(const std::string& javaExePath) {
    std::string bin = javaBinDirectory(javaExePath);
    uintptr_t cookie = addDllSearchDirectory(bin);
    PathValue before = readPath();
    writePath({true, extendedPath(before.text, bin)});

    JvmModule module = nullptr;
    for (const std::string& variant : vmVariantOrder(getConfigString(kPreferredVmVariant, 200))) {
        module = tryJvmDll(bin, variant);
        if (module) break;
    }
    if (!module) {
        removeDllSearchDirectory(cookie);
        writePath(before);
    }
    return module;
}

JvmModule loadJvmDll(const std::string& javaExePath) {
    logLine(u"Trying to load JVM-DLL from %S", javaExePath.c_str());
    JvmModule module = loadJvmDllFromBin(javaExePath);
    if (module) return module;
    return loadJvmDllFromBin(siblingJreJavaExe(javaExePath));
}

bool resolveCreateJavaVM(JvmModule module) {
    if (!module) return false;
    FARPROC entry = GetProcAddress(static_cast<HMODULE>(module), "JNI_CreateJavaVM");
    if (!entry) return false;
    setCreateJavaVmEntry(reinterpret_cast<CreateJavaVmFunction>(reinterpret_cast<void*>(entry)));
    return true;
}

void recordJvm(const std::string& javaExePath, const std::string& version) {
    jvmHome() = jvmHomeFor(javaExePath);
    jvmVersion() = version;
}
