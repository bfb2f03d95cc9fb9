/* jvm.dll of a damaged runtime: it loads, but lacks JNI_CreateJavaVM. */
#define _JNI_IMPLEMENTATION_
#include <jni.h>

JNIEXPORT jint JNICALL JNI_GetDefaultJavaVMInitArgs(void* args) {
    (void)args;
    return JNI_ERR;
}
