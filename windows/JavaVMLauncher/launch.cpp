#include "windows/JavaVMLauncher/launch.h"

#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/single_instance.h"
#include "environment/temp_dir.h"
#include "environment/win32/process_environment.h"
#include "jvmlaunch/flavour_names.h"
#include "jvmlaunch/launch_arguments.h"
#include "jvmlaunch/system_properties.h"
#include "jvmlaunch/variable_expansion.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/win32/wide.h"
#include "windows/JavaVMLauncher/java_vm.h"
#include "windows/JavaVMLauncher/runtime_calls.h"

namespace {

SystemPropertyInputs currentSystemPropertyInputs() {
    SystemPropertyInputs inputs;
    inputs.semaphoreName = instanceSemaphoreName();
    inputs.flavour = launcherState().flavour;
    inputs.launcherPath = launcherPathAnsi();
    inputs.launcherTempDir = launcherTempDir();
    inputs.unextractedPosition = unextractedPosition();
    inputs.languageRestart = launcherState().languageRestart;
    // In ANSI like every string the VM receives; the PATH as extended by the search.
    inputs.path = sizedQuery<char>([](char* buffer, DWORD size) { return GetEnvironmentVariableA("PATH", buffer, size); });
    inputs.manpathDefined = environmentVariable(L"MANPATH").has_value();
    inputs.consoleCodePage = GetConsoleOutputCP();
    return inputs;
}

const LaunchArgumentServices argumentServices = {
    [](std::u16string& text) { expandVariables(text, false); },
    [](const std::u16string& path) { return canonicalPathWide(path, true); },
};

// The VM could not even allocate a few strings: nothing sensible can follow.
[[noreturn]] void assertionFailed(const char16_t* expression) {
    fatalErrorText(u"Assertion failed: " + std::u16string(expression) + u", windows/JavaVMLauncher");
}

jobjectArray javaStringArray(JNIEnv* env, const LauncherArgs& texts) {
    jclass stringClass = env->FindClass("java/lang/String");
    jobjectArray array = stringClass ? env->NewObjectArray(static_cast<jsize>(texts.size()), stringClass, nullptr)
                                     : nullptr;
    if (!array) assertionFailed(u"paramArray");
    for (size_t i = 0; i < texts.size(); ++i) {
        logLine(u"param %d: %s", static_cast<int>(i), texts[i].c_str());
        jstring element = newJavaString(env, texts[i]);
        if (!element) assertionFailed(u"jstr");
        env->SetObjectArrayElement(array, static_cast<jsize>(i), element);
        env->DeleteLocalRef(element);  // many arguments must not exhaust the local references
    }
    return array;
}

bool callLauncherMain(const LauncherArgs& args) {
    JNIEnv* env = mainThreadEnv();
    const char* className = flavourNames(launcherState().flavour).launcherClass;
    logLine(u"main class: %S", className);
    jclass launcherClass = env->FindClass(className);
    if (!launcherClass) {
        logError(u"could not find main class");
        fatalError(msgMainClassLoad);
    }
    jmethodID main = env->GetStaticMethodID(launcherClass, "main", "([Ljava/lang/String;)V");
    if (!main) {
        logError(u"could not find main method");
        fatalError(msgMainMethod);
    }
    LauncherArgs arguments = launcherMainArguments(args, argumentServices);
    logLine(u"param count: %d", static_cast<int>(arguments.size()));
    jobjectArray array = javaStringArray(env, arguments);
    logLine(u"calling main");
    env->CallStaticVoidMethod(launcherClass, main, array);
    logLine(u"main returned");
    return reportJavaException(env, true);
}

// Failures of the runtime library's calls never stop the launch: an exception
// one of them leaves behind must not pass for one thrown by main.
void runtimeCall(void (*call)()) {
    call();
    mainThreadEnv()->ExceptionClear();
}

}  // namespace

bool launchJavaVm(const LauncherArgs& args, bool destroyVm) {
    logLine(u"launching program");
    if (!createJavaVm(args, launcherSystemProperties(currentSystemPropertyInputs()))) {
        logError(u"could not initialize JVM");
        return false;
    }
    logLine(u"JVM created");
    if (getConfigInt(settingShowSplash) != 0) runtimeCall(sendSplashConfig);
    runtimeCall(loadHelperLibrary);
    runtimeCall(setModuleNameProperty);
    if (!callLauncherMain(args)) {
        logError(u"could not call main");
        return false;
    }
    if (destroyVm) {
        logLine(u"dest JVM");
        destroyJavaVm();
    }
    logLine(u"launch done");
    return true;
}
