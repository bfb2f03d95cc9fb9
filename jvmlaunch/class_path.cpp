#include "jvmlaunch/class_path.h"

#include "jvmlaunch/flavour_names.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace {

constexpr size_t settingLimit = 6000;

std::string withoutTrailingSemicolon(std::string text) {
    if (!text.empty() && text.back() == ';') text.pop_back();
    return text;
}

void appendWithSemicolon(std::string& pathText, const std::string& path) { pathText += path + ";"; }

// Every file of the directory with the extension, in the system's order;
// false when the directory does not exist.
bool addArchives(VmOptionSources& sources, std::string& pathText, const std::string& directory,
                 const char* extension) {
    if (!sources.pathExists(directory)) return false;
    for (const std::string& name : sources.findFiles(directory + "\\*." + extension))
        appendWithSemicolon(pathText, sources.resolvePath(directory + "\\" + name));
    return true;
}

// The jar archives, then the zip archives; true when the directory exists.
bool addJarsAndZips(VmOptionSources& sources, std::string& pathText, const std::string& directory) {
    bool jars = addArchives(sources, pathText, directory, "jar");
    bool zips = addArchives(sources, pathText, directory, "zip");
    return jars || zips;
}

// Expansion may have made the name a list. Found when every element
// exists; no element adds nothing, as Java reads an empty element as the
// current directory.
bool addPaths(VmOptionSources& sources, std::string& pathText, const std::string& name) {
    std::vector<std::string> elements = splitList(name, ';');
    if (elements.empty()) return false;
    bool found = true;
    std::string joined;
    for (const std::string& element : elements) {
        std::string path = sources.resolvePath(element);
        found = found && sources.pathExists(path);
        joined += (joined.empty() ? "" : ";") + path;
    }
    appendWithSemicolon(pathText, joined);
    return found;
}

// Found when the variable has a non-empty value; a mandatory variable that
// does not exist ends the process.
bool addVariable(VmOptionSources& sources, std::string& pathText, const std::string& name, bool mandatory) {
    std::optional<std::string> value = sources.environmentVariable(name);
    if (!value && mandatory) fatalErrorNarrow(msgVariableUndefined, name);
    if (!value || value->empty()) return false;
    std::string text = *value;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    pathText += text;
    if (text.empty() || text.back() != ';') pathText += ';';
    return true;
}

// A typed path list: entries of a type letter, a mandatory digit ("1") and
// the argument, separated by ";".
void addPathList(VmOptionSources& sources, SettingId settingId, std::string& pathText) {
    std::string list = getConfigString(settingId, settingLimit);
    logLine(u"entry %S", list.c_str());
    std::vector<std::string> entries = splitList(list, ';');
    logLine(u"entries %d", static_cast<int>(entries.size()));
    for (const std::string& entry : entries) {
        std::string name = entry.size() > 2 ? entry.substr(2) : std::string();
        sources.expandVariablesNarrow(name);
        bool mandatory = entry.size() > 1 && entry[1] == '1';
        bool found = false;
        switch (entry[0]) {
            case 'A':
            case 'D': found = addPaths(sources, pathText, name); break;
            case 'E': found = addVariable(sources, pathText, name, mandatory); break;
            case 'S': {
                std::string directory = sources.resolvePath(name);
                if (settingId == settingClassPath) {
                    found = addJarsAndZips(sources, pathText, directory);
                } else {
                    found = sources.pathExists(directory);
                    appendWithSemicolon(pathText, directory);
                }
                break;
            }
            default: logLine(u"unknown path list entry %S", entry.c_str()); break;
        }
        if (mandatory && !found) fatalErrorNarrow(msgFileNotFound, name);
    }
}

void addRuntimeArchive(VmOptionSources& sources, std::string& target) {
    target += sources.fullPath(getConfigString(settingInstallationDirectory, settingLimit));
    if (target.empty() || target.back() != '\\') target += '\\';
    appendWithSemicolon(target, flavourNames(launcherState().flavour).runtimeArchive);
}

// mainClass, in the form module "/" class, only in module main-class mode.
void addModuleOptions(std::vector<std::string>& options, const std::string& modulePath,
                      const std::string* mainClass) {
    options.push_back("--module-path=" + withoutTrailingSemicolon(modulePath));
    std::string addModules = "--add-modules=";
    if (mainClass) {
        std::string module = *mainClass;
        size_t slash = module.find('/');
        if (slash != std::string::npos) {
            size_t dot = module.rfind('.');
            // The runtime reaches the main class's package reflectively.
            if (dot != std::string::npos && dot > slash)
                options.push_back("--add-opens=" + module.substr(0, dot) + "=" + flavourNames(launcherState().flavour).runtimeModule);
            module.resize(slash);
        }
        addModules += module + ",";
    }
    options.push_back(addModules + flavourNames(launcherState().flavour).runtimeModule);
}

}  // namespace

void addClassAndModulePath(VmOptionSources& sources, std::vector<std::string>& options,
                           const ClassPathModifiers& modifiers) {
    bool moduleMainClass = getConfigInt(settingModuleMainClass) != 0;
    std::string modulePath;
    logLine(u"adding preconfigured modulepath");
    addPathList(sources, settingModulePath, modulePath);

    std::string classPath = "-Djava.class.path=";
    std::string& archiveTarget = !modulePath.empty() || moduleMainClass ? modulePath : classPath;
    if (modifiers.prefix) appendWithSemicolon(classPath, *modifiers.prefix);
    // Without a temporary directory there is nothing to add; "\user" alone
    // would name a directory at the root of the current drive.
    std::string tempDir = sources.launcherTempDir();
    if (!tempDir.empty()) {
        addJarsAndZips(sources, archiveTarget, tempDir);
        addJarsAndZips(sources, classPath, tempDir + "\\user");
    }
    if (flavourNames(launcherState().flavour).runtimeArchive) addRuntimeArchive(sources, archiveTarget);
    if (modifiers.override) {
        classPath += *modifiers.override;
    } else {
        logLine(u"adding preconfigured classpath");
        addPathList(sources, settingClassPath, classPath);
    }
    if (modifiers.suffix) {
        if (classPath.back() != ';') classPath += ';';
        classPath += *modifiers.suffix;
    }
    options.push_back(withoutTrailingSemicolon(classPath));

    if (modulePath.empty()) return;
    std::string mainClass = getConfigString(settingMainClass, settingLimit);
    addModuleOptions(options, modulePath, moduleMainClass ? &mainClass : nullptr);
}
