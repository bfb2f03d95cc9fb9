// Services that prepare the process before the Java runtime is loaded.
#pragma once

// True when the process has a console afterwards.
bool attachConsole();
void restrictDllDirectories();
void initCommonControls();
// The configured native-library directories go in front of PATH.
void prependNativeLibraryPath();
// Restarts Windows when the shutdown privilege is granted; otherwise nothing.
void rebootMachine();
