#include "launcher/locale.h"
#include "launcher/log.h"

std::string detectLocale(const LauncherArgs*) {
    std::string locale = "en";
    logLine(u"language/country is %S", locale.c_str());
    return locale;
}
