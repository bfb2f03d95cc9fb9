#include "launcher/launcher_state.h"

LauncherState& launcherState() {
    static LauncherState state;
    return state;
}

const char16_t* productName() {
    return launcherState().flavour == 't' ? u"tessel" : u"orvane";
}

InternalTail classifyInternalTail(std::string_view tail) {
    InternalTail result;
    result.reboot = tail == "__ovn_reboot";
    result.languageRestart = tail.substr(0, 18) == "__ovn_lang_restart";
    result.quiet = tail.substr(0, 15) == "-q_ovn_internal";
    return result;
}
