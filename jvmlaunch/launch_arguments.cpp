#include "jvmlaunch/launch_arguments.h"

#include "launcher/config_store.h"

namespace {

bool startsWith(const std::u16string& text, std::u16string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

const char16_t* trueOrFalse(bool value) { return value ? u"true" : u"false"; }

// A reference left unexpanded ("$...") goes to the Java side as written.
std::u16string redirectionFile(int32_t flag, int32_t file, const LaunchArgumentServices& services) {
    if (getConfigInt(flag) == 0) return std::u16string();
    std::u16string path = getConfigStringWide(file, 6000);
    services.expand(path);
    return startsWith(path, u"$") ? path : services.fullPath(path);
}

}  // namespace

LauncherArgs launcherMainArguments(const LauncherArgs& args, const LaunchArgumentServices& services) {
    LauncherArgs result;
    result.push_back(trueOrFalse(getConfigInt(settingExecutableType) == 1));
    std::u16string mainClass = getConfigStringWide(settingMainClass, 6000);
    result.push_back(getConfigInt(settingModuleMainClass) != 0 ? u"/" + mainClass : mainClass);
    result.push_back(redirectionFile(settingStandardErrorRedirect, settingStandardErrorFile, services));
    result.push_back(redirectionFile(settingStandardOutputRedirect, settingStandardOutputFile, services));
    result.push_back(trueOrFalse(getConfigInt(settingJavaSideFlag) != 0));
    if (!args.empty()) result.push_back(args[0]);
    std::u16string fixed = getConfigStringWide(settingFixedArguments, 2000);
    services.expand(fixed);
    splitCommandLine(fixed, result);
    bool javaOptionsTaken = getConfigInt(settingJavaOptionArguments) != 0;
    for (size_t i = 1; i < args.size(); ++i) {
        if (javaOptionsTaken && startsWith(args[i], u"-J")) continue;
        if (startsWith(args[i], u"-Dsun.locale.formatasdefault=")) continue;
        result.push_back(args[i]);
    }
    return result;
}
