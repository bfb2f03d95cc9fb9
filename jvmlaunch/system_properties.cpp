#include "jvmlaunch/system_properties.h"

#include "jvmlaunch/flavour_names.h"

std::vector<std::string> launcherSystemProperties(const SystemPropertyInputs& inputs) {
    std::vector<std::string> properties;
    auto define = [&properties](const char* name, const std::string& value) {
        properties.push_back(std::string("-D") + name + "=" + value);
    };
    if (inputs.semaphoreName) define("tessel.semaphoreName", *inputs.semaphoreName);
    if (isOrvaneFlavour(inputs.flavour)) define("tessel.isOrvane", "true");
    define("tessel.moduleName", inputs.launcherPath);
    define("sun.java.command", inputs.launcherPath);
    define("tessel.tempDir", inputs.launcherTempDir);
    define("tessel.unextractedPosition",
           inputs.languageRestart ? std::string("-1") : std::to_string(inputs.unextractedPosition));
    define("java.library.path", inputs.path);
    if (!inputs.manpathDefined) define("tessel.consoleCodepage", "cp" + std::to_string(inputs.consoleCodePage));
    return properties;
}
