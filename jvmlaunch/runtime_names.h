// Names of the Java-side runtime library that depend on the launcher
// flavour (setting 2001): "o" is the orvane flavour, any other code the
// tessel flavour. Shared by the option assembly and the JNI launch code.
#pragma once

#include "launcher/launcher_state.h"

inline bool isOrvaneFlavour() { return launcherState().flavour == 'o'; }

inline const char* launcherClassName() {
    return isOrvaneFlavour() ? "com/orvane/runtime/launcher/WinLauncher" : "com/tessel/runtime/WinLauncher";
}

inline const char* runtimeModuleName() { return isOrvaneFlavour() ? "com.orvane.runtime" : "com.tessel.runtime"; }

// Orvane flavour only, each below the runtime support directory (setting 10003).
constexpr const char* runtimeArchiveName = ".orvane\\ovnruntime.jar";
constexpr const char16_t* helperLibraryName = u".orvane\\ovninst.dll";
constexpr const char* platformClassName = "com/orvane/runtime/installer/platform/win32/Common";
