// Calls into the Java-side runtime library between the VM's creation and the
// launcher class's main. Their failures are logged and never stop the launch.
#pragma once

// Hands the splash text settings to the Java side.
void sendSplashConfig();

// Orvane flavour: loads the native helper library and lets it register its
// native methods. Nothing in the tessel flavour.
void loadHelperLibrary();

// Calls initFromLauncher of the platform class; true when it was found and called.
bool initializeRuntime(bool registering);

// Gives the Java side the launcher's exact UTF-16 path as "tessel.moduleName",
// which the VM option could only carry in ANSI.
void setModuleNameProperty();

// The log function handed to the helper library: a wide printf format of the
// C runtime and its arguments, written as an error line.
extern "C" void helperLogError(const wchar_t* format, ...);
