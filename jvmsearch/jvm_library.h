// Loading the chosen runtime's VM library (jvm.dll) into the launcher's
// process and finding its JNI_CreateJavaVM entry point.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#if defined(_WIN32)
#define TESSEL_JNICALL __stdcall
#else
#define TESSEL_JNICALL
#endif

// An HMODULE; nullptr for none.
using JvmModule = void*;
// JNI_CreateJavaVM(JavaVM**, void** env, void* JavaVMInitArgs*) -> jint.
using CreateJavaVmFunction = long(TESSEL_JNICALL*)(void** vm, void** env, void* initArgs);

// The VM variant subdirectories of "bin", tried after setting 152.
extern const char* const kVmVariants[5];

// Loads jvm.dll for an accepted Java executable path, through its own bin
// directory and then through "..\jre\bin" (a JDK's runtime).
JvmModule loadJvmDll(const std::string& javaExePath);
// Tries the VM variants of the executable's directory; PATH (and, in a
// hardened start, the DLL search directories) keep the bin directory only
// when a library loaded.
JvmModule loadJvmDllFromBin(const std::string& javaExePath);
// binDirectory\subdirectory\jvm.dll.
JvmModule tryJvmDll(const std::string& binDirectory, const std::string& subdirectory);
// Stores JNI_CreateJavaVM of the module; false for a missing module or export.
bool resolveCreateJavaVM(JvmModule module);
// Sets jvmHome() and jvmVersion() (jvmsearch/selected_runtime.h).
void recordJvm(const std::string& javaExePath, const std::string& version);

// The entry point stored by resolveCreateJavaVM, or nullptr.
CreateJavaVmFunction createJavaVmEntry();
void setCreateJavaVmEntry(CreateJavaVmFunction entry);

// Portable parts, tested natively.

// The executable's file name length: "javaw.exe" when the path ends in it,
// otherwise "java.exe".
size_t javaExeNameLength(const std::string& javaExePath);
// The path without its file name, keeping the final backslash.
std::string javaExeDirectory(const std::string& javaExePath);
// The bin directory: the path without its last backslash and file name.
std::string javaBinDirectory(const std::string& javaExePath);
// directory + "..\jre\bin\java.exe": the runtime a JDK keeps in "jre".
std::string siblingJreJavaExe(const std::string& javaExePath);
// directory + "..".
std::string jvmHomeFor(const std::string& javaExePath);
// oldPath + ";" + binDirectory.
std::u16string extendedPath(const std::u16string& oldPath, const std::u16string& binDirectory);
// The preferred variant (if any) followed by kVmVariants.
std::vector<std::string> vmVariantOrder(const std::string& preferred);
