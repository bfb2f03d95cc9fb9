#include "environment/single_instance.h"

#include "launcher/log.h"

void enterInstanceMode(bool) { logLine(u"enterInstanceMode (not yet supported)"); }
