// The Java runtime search: finds a runtime that satisfies the configured
// version range and loads its VM library.
#pragma once

// True when a VM library is loaded; on false the error was already shown.
bool LoadDLL(int showErrors, const char* presetLocation, int presetIsExe);
