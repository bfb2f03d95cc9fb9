#include "environment/single_instance.h"

#include "launcher/log.h"

namespace {

std::optional<std::string> semaphoreName;

}  // namespace

void enterInstanceMode(bool) { logLine(u"enterInstanceMode (not yet supported)"); }

const std::optional<std::string>& instanceSemaphoreName() { return semaphoreName; }
