// What sets the 32-bit and the 64-bit launcher apart: they are built from
// the same sources, and every difference between them is a field here.
#pragma once

#include <cstdint>

#include "launcher/errors.h"

struct Architecture {
    int bits;                      // the {0} of message 1016
    uint16_t peMachine;            // the machine field of the VM libraries it can load
    int msgVariableNoJava;         // an environment variable names no loadable runtime
    int msgJavaDamaged;            // a configured directory holds no loadable runtime
    uint32_t otherRegistryView;    // the view that the process does not read by default
};

// KEY_WOW64_64KEY and KEY_WOW64_32KEY, spelled out for the portable core.
inline constexpr Architecture x86Architecture{32, 0x014c, msgVariableNoJava32, msgJavaDamaged32, 0x0100};
inline constexpr Architecture x64Architecture{64, 0x8664, msgVariableNoJava64, msgJavaDamaged64, 0x0200};

// The architecture this launcher is built for.
inline constexpr const Architecture& launcherArchitecture = sizeof(void*) == 8 ? x64Architecture : x86Architecture;
