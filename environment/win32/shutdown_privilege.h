// The privilege check of the reboot request, apart so that tests can hand it
// a token that lacks the privilege instead of restarting Windows.
#pragma once

#include <windows.h>

// Enables SeShutdownPrivilege in the token; true only when it was really granted.
bool enableShutdownPrivilege(HANDLE token);
