#include "launcher/config_store.h"
#include "launcher/log.h"
#include "windows/JavaVMLauncher/java_vm.h"
#include "windows/JavaVMLauncher/runtime_calls.h"

namespace {

jstring settingString(JNIEnv* env, int32_t id) { return env->NewStringUTF(getConfigString(id, 2000).c_str()); }

}  // namespace

void sendSplashConfig() {
    JNIEnv* env = mainThreadEnv();
    // Also in the orvane flavour: the splash belongs to the tessel launcher class.
    jclass launcherClass = env->FindClass("com/tessel/runtime/WinLauncher");
    if (!launcherClass) {
        logError(u"could not find main class for splash properties");
        return;
    }
    jmethodID configure = env->GetStaticMethodID(
        launcherClass, "initAwtSplashConfig",
        "(ZZLjava/lang/String;IILjava/lang/String;IILjava/lang/String;IILjava/lang/String;II)V");
    if (!configure) {
        logError(u"could not find method for splash properties");
        return;
    }
    jstring texts[] = {settingString(env, settingSplashStatusText), settingString(env, settingSplashStatusColour),
                       settingString(env, settingSplashVersionText), settingString(env, settingSplashVersionColour)};
    // The status line, then the version line: text, position, colour, font size and weight.
    env->CallStaticVoidMethod(launcherClass, configure, JNI_TRUE, static_cast<jboolean>(getConfigInt(settingSplashFlag)),
                              texts[0], getConfigInt(settingSplashStatusX), getConfigInt(settingSplashStatusY),
                              texts[1], getConfigInt(settingSplashStatusFontSize),
                              getConfigInt(settingSplashStatusFontWeight), texts[2], getConfigInt(settingSplashVersionX),
                              getConfigInt(settingSplashVersionY), texts[3], getConfigInt(settingSplashVersionFontSize),
                              getConfigInt(settingSplashVersionFontWeight));
    for (jstring text : texts) env->DeleteLocalRef(text);
}
