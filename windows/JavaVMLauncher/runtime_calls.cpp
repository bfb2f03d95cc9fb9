#include "windows/JavaVMLauncher/runtime_calls.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>

#include "environment/launcher_path.h"
#include "environment/path_rules.h"
#include "jvmlaunch/flavour_names.h"
#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/win32/wide.h"
#include "windows/JavaVMLauncher/java_vm.h"

namespace {

using HelperLog = void(__cdecl*)(const wchar_t* format, ...);
// True (one byte) when the library has registered its native methods.
using RegisterNatives = unsigned char(__cdecl*)(JNIEnv* env, HMODULE library, HelperLog log);

std::u16string helperLibraryPath(const char16_t* name) {
    std::u16string directory = getConfigStringWide(settingInstallationDirectory, 4000);
    return joinPath(resolveAgainstLauncherDirWide(directory, false), name);
}

void setModuleName(JNIEnv* env, jclass system, jmethodID setProperty) {
    jstring value = newJavaString(env, launcherPathWide());
    if (!value) {
        logError(u"could not create string for init module name");
        return;
    }
    if (jstring key = newJavaString(env, u"tessel.moduleName")) {
        logLine(u"setting tessel.moduleName to %s", launcherPathWide().c_str());
        env->CallStaticObjectMethod(system, setProperty, key, value);
        env->DeleteLocalRef(key);
    } else {
        logError(u"could not create string for init module name");
    }
    env->DeleteLocalRef(value);
}

}  // namespace

extern "C" void helperLogError(const wchar_t* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    int length = _vscwprintf(format, measuring);
    va_end(measuring);
    std::u16string text(length > 0 ? length : 0, u'\0');
    if (length > 0) _vsnwprintf(wideBuffer(text), text.size() + 1, format, arguments);
    va_end(arguments);
    logError(u"%s", text.c_str());
}

void loadHelperLibrary() {
    const char16_t* name = flavourNames(launcherState().flavour).helperLibrary;
    if (!name) return;
    logLine(u"load helper dll");
    std::u16string path = helperLibraryPath(name);
    HMODULE helper = LoadLibraryW(wide(path));  // stays loaded: its native methods are in use
    logLine(u"helper dll %p %s", helper, path.c_str());
    if (!helper) return;
    auto registerNatives =
        reinterpret_cast<RegisterNatives>(reinterpret_cast<void*>(GetProcAddress(helper, "registerNatives")));
    if (!registerNatives) {
        logError(u"did not find register natives in helper dll");
        return;
    }
    if (!initializeRuntime(true)) return;
    if (!registerNatives(mainThreadEnv(), helper, helperLogError)) {
        logError(u"registering helper dll failed");
        initializeRuntime(false);
    }
}

bool initializeRuntime(bool registering) {
    JNIEnv* env = mainThreadEnv();
    const char* className = flavourNames(orvaneFlavour).platformClass;  // only the orvane runtime has one
    jclass platform = env->FindClass(className);
    if (!platform) {
        logError(u"did not find %S", className);
        return false;
    }
    jmethodID initFromLauncher = env->GetStaticMethodID(platform, "initFromLauncher", "(Z)V");
    if (initFromLauncher)
        env->CallStaticVoidMethod(platform, initFromLauncher, static_cast<jboolean>(registering));
    else
        logError(u"did not find initMethod");
    env->DeleteLocalRef(platform);
    return initFromLauncher != nullptr;
}

void setModuleNameProperty() {
    JNIEnv* env = mainThreadEnv();
    jclass system = env->FindClass("java/lang/System");
    if (!system) {
        logError(u"could not get system class");
        return;
    }
    jmethodID setProperty =
        env->GetStaticMethodID(system, "setProperty", "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;");
    if (setProperty)
        setModuleName(env, system, setProperty);
    else
        logError(u"could not get method for module name init");
    env->DeleteLocalRef(system);
}
