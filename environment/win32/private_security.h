// Security attributes for what the launcher creates in a temporary
// directory: only the current user and the system may use it.
#pragma once

#include <windows.h>

// One access list granting full access to the current user and to SYSTEM,
// protected from the parent directory's inheritable entries and handed on
// to everything created below. None when the user cannot be told, so that
// nothing is created with the parent's looser defaults instead.
SECURITY_ATTRIBUTES* privateSecurityAttributes();
