#include "windows/JavaVMLauncher/java_vm.h"

#include <atomic>

#include "jvmlaunch/vm_options.h"
#include "jvmsearch/jvm_library.h"
#include "launcher/log.h"

namespace {

// What the VM was created with; the VM may refer to it for the process's life.
struct VmCreation {
    std::vector<std::string> options;
    std::vector<JavaVMOption> packed;
    JavaVMInitArgs initArgs = {};
};

JavaVM* javaVm = nullptr;
JNIEnv* mainEnv = nullptr;
// Set after javaVm is written; the listener thread reads javaVm only once it sees the flag.
std::atomic<bool> vmCreated{false};

JavaVMInitArgs& packed(VmCreation& creation) {
    for (std::string& option : creation.options)
        creation.packed.push_back(JavaVMOption{option.data(), nullptr});
    creation.initArgs.version = JNI_VERSION_1_2;
    creation.initArgs.nOptions = static_cast<jint>(creation.packed.size());
    creation.initArgs.options = creation.packed.data();
    creation.initArgs.ignoreUnrecognized = JNI_TRUE;
    return creation.initArgs;
}

void logExceptionText(JNIEnv* env, jthrowable exception) {
    jclass type = env->GetObjectClass(exception);
    jmethodID toString = type ? env->GetMethodID(type, "toString", "()Ljava/lang/String;") : nullptr;
    jstring text = toString ? static_cast<jstring>(env->CallObjectMethod(exception, toString)) : nullptr;
    if (text) {
        if (const jchar* chars = env->GetStringChars(text, nullptr)) {
            std::u16string copy(reinterpret_cast<const char16_t*>(chars), env->GetStringLength(text));
            env->ReleaseStringChars(text, chars);
            logError(u"%s", copy.c_str());
        }
    }
    // toString may have thrown in turn; that exception is not reported.
    env->ExceptionClear();
}

}  // namespace

bool createJavaVm(const LauncherArgs& args, const std::vector<std::string>& systemProperties) {
    VmCreation& creation = *new VmCreation;
    creation.options = assembleVmOptions(args, systemProperties);
    logLine(u"Creating JVM");
    CreateJavaVmFunction entry = createJavaVmEntry();
    JavaVM* vm = nullptr;
    if (!entry || entry(reinterpret_cast<void**>(&vm), reinterpret_cast<void**>(&mainEnv), &packed(creation)) != 0)
        return false;
    javaVm = vm;
    vmCreated.store(true, std::memory_order_release);
    return true;
}

JNIEnv* mainThreadEnv() { return mainEnv; }

void destroyJavaVm() { javaVm->DestroyJavaVM(); }

JNIEnv* attachToVm() {
    if (!vmCreated.load(std::memory_order_acquire) || !javaVm) return nullptr;
    JNIEnv* env = nullptr;
    if (javaVm->AttachCurrentThreadAsDaemon(reinterpret_cast<void**>(&env), nullptr) != JNI_OK) return nullptr;
    return env;
}

jstring newJavaString(JNIEnv* env, std::u16string_view text) {
    return env->NewString(reinterpret_cast<const jchar*>(text.data()), static_cast<jsize>(text.size()));
}

bool reportJavaException(JNIEnv* env, bool describe) {
    jthrowable exception = env->ExceptionOccurred();
    if (!exception) return true;
    logError(u"an exception occurred");
    // JNI calls need a clear exception state: the text is taken with the
    // exception cleared, then it is thrown again for the VM's stack trace.
    env->ExceptionClear();
    logExceptionText(env, exception);
    if (describe) {
        env->Throw(exception);
        env->ExceptionDescribe();
    }
    env->ExceptionClear();
    return false;
}
