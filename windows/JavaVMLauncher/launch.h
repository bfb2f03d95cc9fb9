// Creates the Java VM in this process and runs the Java-side launcher class.
#pragma once

#include "launcher/command_line.h"

// False when the VM failed to start.
bool launchJavaVm(const LauncherArgs& args, bool destroyVm);
