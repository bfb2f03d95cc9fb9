#include "windows/JavaVMLauncher/startup_notification.h"

#include <windows.h>

#include "launcher/log.h"
#include "windows/JavaVMLauncher/java_vm.h"

namespace {

// The listener thread's own: it never detaches and never returns to Java,
// so the local class reference stays valid.
JNIEnv* listenerEnv = nullptr;
jclass controllerClass = nullptr;
jmethodID startupPerformed = nullptr;

JNIEnv* attachedEnv() {
    while (!listenerEnv) {
        listenerEnv = attachToVm();
        if (!listenerEnv) Sleep(100);
    }
    return listenerEnv;
}

bool lookUpController(JNIEnv* env) {
    if (!controllerClass) controllerClass = env->FindClass("com/tessel/Controller");
    if (controllerClass && !startupPerformed)
        startupPerformed = env->GetStaticMethodID(controllerClass, "startupPerformed", "(Ljava/lang/String;)V");
    if (controllerClass && startupPerformed) return true;
    logLine(u"error mailslot methods %p %p", static_cast<void*>(controllerClass), static_cast<void*>(startupPerformed));
    env->ExceptionClear();  // the failed lookup's NoClassDefFoundError or NoSuchMethodError
    return false;
}

}  // namespace

void deliverStartupNotification(const std::optional<std::u16string>& commandLine) {
    JNIEnv* env = attachedEnv();
    if (!lookUpController(env)) return;
    if (!commandLine) {
        env->CallStaticVoidMethod(controllerClass, startupPerformed, static_cast<jstring>(nullptr));
    } else if (jstring text = newJavaString(env, *commandLine)) {
        env->CallStaticVoidMethod(controllerClass, startupPerformed, text);
        env->DeleteLocalRef(text);
    } else {
        logLine(u"error mailslot string");
    }
    // An exception from the application's listeners must not stay pending
    // into the next call.
    env->ExceptionClear();
}
