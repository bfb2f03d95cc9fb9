// The start-up sequence: the launcher's only driver.
#pragma once

#include "launcher/command_line.h"

// Runs every stage in order; returns the process exit code when it returns.
int runStartupSequence(const char* commandLineTail, int showWindow);

// Fills ConfigStore and MessageTable from the launcher's own file; returns setting 107.
int loadConfiguration(const LauncherArgs& args);
