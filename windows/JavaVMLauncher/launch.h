// Creates the Java VM in this process and runs the Java-side launcher class.
#pragma once

#include "launcher/command_line.h"

// False when the VM could not be created or main ended with an exception; a
// missing launcher class or main method ends the process. destroyVm waits
// for the application's remaining non-daemon threads.
bool launchJavaVm(const LauncherArgs& args, bool destroyVm);
