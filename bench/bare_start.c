/* The least a Java launcher must do: load jvm.dll and call JNI_CreateJavaVM.
   The start-up benchmark compares the launcher against this program.
   Usage: bare_start PATH\jvm.dll */
#include <windows.h>

#include <jni.h>

typedef jint(JNICALL* CreateJavaVm)(JavaVM**, void**, void*);

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)show;
    HMODULE jvm = LoadLibraryW(commandLine);
    if (!jvm) return 2;
    CreateJavaVm create = (CreateJavaVm)(void*)GetProcAddress(jvm, "JNI_CreateJavaVM");
    if (!create) return 3;
    JavaVMInitArgs args = {JNI_VERSION_1_2, 0, NULL, JNI_TRUE};
    JavaVM* vm = NULL;
    void* environment = NULL;
    return create(&vm, &environment, &args) == JNI_OK ? 0 : 1;
}
