#include "jvmlaunch/flavour_names.h"

namespace {

const FlavourNames orvaneNames = {
    "com/orvane/runtime/launcher/WinLauncher",
    "com.orvane.runtime",
    ".orvane\\ovnruntime.jar",
    u".orvane\\ovninst.dll",
    "com/orvane/runtime/installer/platform/win32/Common",
};

const FlavourNames tesselNames = {
    "com/tessel/runtime/WinLauncher",
    "com.tessel.runtime",
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace

bool isOrvaneFlavour(char flavour) { return flavour == orvaneFlavour; }

const FlavourNames& flavourNames(char flavour) { return isOrvaneFlavour(flavour) ? orvaneNames : tesselNames; }
