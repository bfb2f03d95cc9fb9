// The Java VM of this process. The main thread creates it and becomes the
// Java main thread; the notification listener thread joins through attachToVm.
#pragma once

#include <jni.h>

#include <string>
#include <string_view>
#include <vector>

#include "launcher/command_line.h"

// Creates the VM with the system properties followed by the assembled VM
// options; true when JNI_CreateJavaVM returned 0. Only then are the VM
// handle and the VM-created flag set.
bool createJavaVm(const LauncherArgs& args, const std::vector<std::string>& systemProperties);

// The main thread's JNI environment, as the creation left it.
JNIEnv* mainThreadEnv();

// Waits until the main thread is the VM's last non-daemon thread.
void destroyJavaVm();

// The calling thread's environment, attached as a daemon thread and never
// detached; nullptr while the VM is not created or when the attach fails.
JNIEnv* attachToVm();

// A Java string of the UTF-16 text, converted by the VM itself; nullptr on failure.
jstring newJavaString(JNIEnv* env, std::u16string_view text);

// True when no exception is pending. Otherwise logs it with its toString
// text, lets the VM print its stack trace when describe is set, clears it
// and returns false.
bool reportJavaException(JNIEnv* env, bool describe);
