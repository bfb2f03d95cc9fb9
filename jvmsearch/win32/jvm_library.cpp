#include "jvmsearch/jvm_library.h"

#include <windows.h>

#include <cstdint>

#include "environment/launcher_path.h"
#include "environment/process_setup.h"
#include "environment/win32/process_environment.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace {


// PATH is rewritten in UTF-16, so entries outside the ANSI code page stay intact.
void writePath(const std::optional<std::u16string>& value) {
    std::string logged = toAnsi(value.value_or(std::u16string()));
    if (setProcessPath(value))
        logLine(u"Setting PATH %S", logged.c_str());
    else
        logLine(u"Setting PATH %S failed with error %d", logged.c_str(), static_cast<int>(GetLastError()));
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
    std::optional<std::u16string> before = environmentVariable(L"PATH");
    writePath(extendedPath(before.value_or(std::u16string()), fromAnsi(bin).value_or(widenBytes(bin))));

    JvmModule module = nullptr;
    for (const std::string& variant : vmVariantOrder(getConfigString(settingPreferredVmVariant, 200))) {
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
    setSelectedRuntime(jvmHomeFor(javaExePath), version);
}
