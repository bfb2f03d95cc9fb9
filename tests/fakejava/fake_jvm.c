/* A stand-in for a runtime's jvm.dll. It records each call in jvm.log beside
   itself; creating a VM is refused until a recording JNI environment is
   needed. Built without JNI_CreateJavaVM (FAKE_JVM_NO_EXPORT) it plays a
   damaged runtime. */
#define _JNI_IMPLEMENTATION_
#include <jni.h>
#include <windows.h>

#include <string.h>

static void transcript(const char* line) {
    char path[MAX_PATH + 16];
    HMODULE self = NULL;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            (LPCSTR)(void*)&transcript, &self))
        return;
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    char* slash = strrchr(path, '\\');
    if (!slash) return;
    strcpy(slash + 1, "jvm.log");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
    WriteFile(file, "\r\n", 2, &written, NULL);
    CloseHandle(file);
}

#ifndef FAKE_JVM_NO_EXPORT
JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** vm, void** env, void* args) {
    (void)args;
    transcript("JNI_CreateJavaVM");
    if (vm) *vm = NULL;
    if (env) *env = NULL;
    return JNI_ERR;
}
#endif

JNIEXPORT jint JNICALL JNI_GetCreatedJavaVMs(JavaVM** vms, jsize size, jsize* count) {
    (void)vms;
    (void)size;
    transcript("JNI_GetCreatedJavaVMs");
    if (count) *count = 0;
    return JNI_OK;
}
