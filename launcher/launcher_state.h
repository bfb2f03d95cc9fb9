// Process-wide flags of the start-up sequence. Set once, never cleared.
#pragma once

#include <string_view>

struct LauncherState {
    bool dialogsEnabled = true;   // its negation is quiet mode
    bool languageRestart = false;
    bool logRequested = false;
    char flavour = 0;             // first character of setting 2001
};

LauncherState& launcherState();

inline void enterQuietMode() { launcherState().dialogsEnabled = false; }
inline bool isQuietMode() { return !launcherState().dialogsEnabled; }

// The product name that captions the launcher's own message boxes.
const char16_t* productName();

// What the ANSI command-line tail asks of the launcher before anything else.
struct InternalTail {
    bool reboot = false;           // the tail is exactly "__ovn_reboot"
    bool languageRestart = false;  // begins with "__ovn_lang_restart"
    bool quiet = false;            // begins with "-q_ovn_internal"
};

InternalTail classifyInternalTail(std::string_view tail);
