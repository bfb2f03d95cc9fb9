// Expansion of the launcher keys ("%TESSEL_EXEDIR%", "${launcher:sys.jvmHome}",
// ...) and of environment references ("${NAME}") in configured texts.
#pragma once

#include <string>

// ansiSafe selects the forms of the launcher and temporary directories that
// survive a later conversion to the ANSI code page.
void expandVariables(std::u16string& text, bool ansiSafe);
void expandVariablesNarrow(std::string& text);
