#include "windows/JavaVMLauncher/launch.h"

#include "launcher/log.h"

bool launchJavaVm(const LauncherArgs&, bool) {
    logLine(u"launchJavaVm (not yet supported)");
    return true;
}
