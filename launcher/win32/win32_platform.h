// The launcher's platform on Windows: the log file, message boxes and the
// process exit.
#pragma once

#include "launcher/platform.h"

Platform& win32Platform();
