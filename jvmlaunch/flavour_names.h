// The names of the Java-side runtime library, which differ between the two
// launcher flavours (setting 2001: 'o' for orvane, anything else for tessel).
#pragma once

struct FlavourNames {
    const char* launcherClass;      // its static main starts the application
    const char* runtimeModule;
    const char* runtimeArchive;     // below the runtime support directory; nullptr for none
    const char16_t* helperLibrary;  // below the runtime support directory; nullptr for none
    const char* platformClass;      // has initFromLauncher; nullptr when not called
};

constexpr char orvaneFlavour = 'o';

bool isOrvaneFlavour(char flavour);
const FlavourNames& flavourNames(char flavour);
