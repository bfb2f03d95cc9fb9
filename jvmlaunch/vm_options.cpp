#include "jvmlaunch/vm_options.h"

#include <algorithm>
#include <optional>

#include "jvmlaunch/class_path.h"
#include "jvmlaunch/option_rules.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/config_store.h"
#include "launcher/locale.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace {

constexpr size_t settingLimit = 6000;
constexpr std::u16string_view localeArgumentPrefix = u"-Dsun.locale.formatasdefault=";

bool startsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Stands for the file handle in the log: non-null exactly when the file opened.
const void* handleOf(const std::optional<std::string>& file) { return file ? &*file : nullptr; }

class OptionAssembly {
public:
    OptionAssembly(VmOptionSources& sources, std::vector<std::string>& options) : sources_(sources), options_(options) {}

    ClassPathModifiers modifiers;

    void addConfiguredOptions(const LauncherArgs& args) {
        LauncherArgs configured = expandAndSplit(getConfigStringWide(settingVmOptions, settingLimit));
        logLine(u"adding options");
        handleOptionList(configured);
        addVersionSpecificLine();
        if (getConfigInt(settingJavaOptionArguments))
            for (const std::u16string& arg : args)
                if (startsWith(arg, u"-J")) handleOptionLine(nullptr, std::u16string_view(arg).substr(2));
        addLocaleOptions(args);
    }

    void readDefaultOptionsFile() {
        std::u16string name;
        std::optional<std::string> file = openDefaultOptionsFile(sources_.launcherPath(), name);
        if (!file) file = openDefaultOptionsFile(sources_.moduleFileName(), name);
        logLine(u"default vmoptions file: %p", handleOf(file));
        // Without a path of its own, so that its includes resolve against the launcher's directory.
        readOptionsFile(nullptr, sources_.fileIdentity(name), file);
    }

private:
    VmOptionSources& sources_;
    std::vector<std::string>& options_;
    std::vector<std::u16string> filesBeingRead_;  // identities, outermost first
    size_t includesRead_ = 0;

    LauncherArgs expandAndSplit(std::u16string text) {
        sources_.expandVariables(text, true);
        LauncherArgs list;
        splitCommandLine(text, list);
        return list;
    }

    void handleOptionList(const LauncherArgs& list) {
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i] == u"-include-options" && i + 1 < list.size()) {
                handleOptionLine(nullptr, list[i] + u" " + list[i + 1]);
                ++i;
            } else {
                handleOptionLine(nullptr, list[i]);
            }
        }
    }

    void addVersionSpecificLine() {
        int count = getConfigInt(settingVersionOptionLineCount);
        const std::string& version = jvmVersion();
        if (count > 0) logLine(u"check %d version specific vm option lines for %S", count, version.c_str());
        if (jvmHome().empty()) return;  // no runtime selected, so no version to match
        for (int k = 0; k < count; ++k) {
            std::string prefix = dupConfigString(settingVersionOptionLines + 2 * k);
            bool match = version.compare(0, prefix.size(), prefix) == 0;
            logLine(u"checking version %S %d", prefix.c_str(), match ? 1 : 0);
            if (!match) continue;
            std::u16string line = getConfigStringWide(settingVersionOptionLines + 2 * k + 1, settingLimit);
            logLine(u"adding specific %s", line.c_str());
            handleOptionList(expandAndSplit(line));
            return;
        }
    }

    void addLocaleOptions(const LauncherArgs& args) {
        const std::u16string* localeArgument = nullptr;
        for (const std::u16string& arg : args)
            if (startsWith(arg, localeArgumentPrefix)) localeArgument = &arg;
        if (!localeArgument) return;
        handleOptionLine(nullptr, *localeArgument);
        if (*localeArgument == std::u16string(localeArgumentPrefix) + u"true") return;
        std::string code;
        if (localeLanguage(code)) handleOptionLine(nullptr, widenBytes("-Duser.language=" + code));
        if (localeCountry(code)) handleOptionLine(nullptr, widenBytes("-Duser.country=" + code));
    }

    // path: the options file that holds the text, if any.
    void handleOptionLine(const std::u16string* path, std::u16string_view text) {
        ClassifiedOption option = classifyOption(text);
        switch (option.kind) {
            case OptionKind::includeOptions: includeOptionsFile(path, std::u16string(option.argument)); break;
            case OptionKind::classPathOverride: modifiers.override = sources_.toAnsi(option.argument); break;
            case OptionKind::classPathPrefix: modifiers.prefix = sources_.toAnsi(option.argument); break;
            case OptionKind::classPathSuffix: modifiers.suffix = sources_.toAnsi(option.argument); break;
            case OptionKind::plain: options_.push_back(sources_.toAnsi(text)); break;
        }
    }

    void includeOptionsFile(const std::u16string* includingFile, const std::u16string& written) {
        std::u16string name = written;
        sources_.expandVariables(name, false);
        logLine(u"after exp from %s %s", name.c_str(), written.c_str());
        std::u16string resolved = sources_.resolveInclude(name, includingFile);
        std::u16string identity = sources_.fileIdentity(resolved);
        if (std::find(filesBeingRead_.begin(), filesBeingRead_.end(), identity) != filesBeingRead_.end()) {
            logLine(u"vmoptions file %s not read again: it includes itself", resolved.c_str());
            return;
        }
        if (filesBeingRead_.size() >= maxNestedOptionsFiles) {
            logLine(u"vmoptions file %s not read: more than %d nested vmoptions files", resolved.c_str(),
                    static_cast<int>(maxNestedOptionsFiles));
            return;
        }
        if (includesRead_ >= maxIncludedOptionsFiles) {
            logLine(u"vmoptions file %s not read: more than %d vmoptions files included", resolved.c_str(),
                    static_cast<int>(maxIncludedOptionsFiles));
            return;
        }
        ++includesRead_;
        std::optional<std::string> file = sources_.readTextFile(resolved);
        logLine(u"adding vmoptions from (%p) <%s> (%s)", handleOf(file), resolved.c_str(), name.c_str());
        readOptionsFile(&resolved, identity, file);
        logLine(u"adding vmoptions 2");
        logLine(u"adding vmoptions 3");
    }

    void readOptionsFile(const std::u16string* path, const std::u16string& identity,
                         const std::optional<std::string>& file) {
        if (!file) return;
        filesBeingRead_.push_back(identity);
        for (const std::string& line : optionFileLines(*file)) {
            std::u16string text = widenBytes(line);
            sources_.expandVariables(text, true);
            handleOptionLine(path, text);
        }
        filesBeingRead_.pop_back();
    }

    // "tool.vmoptions" for "tool.exe", else "tool.exe.vmoptions"; name gets the candidate tried last.
    std::optional<std::string> openDefaultOptionsFile(const std::u16string& exe, std::u16string& name) {
        name = exe.substr(0, exe.size() < 4 ? 0 : exe.size() - 4) + u".vmoptions";
        std::optional<std::string> file = sources_.readTextFile(name);
        logLine(u"vmoptions2: exe %s file: %s, file: %p", exe.c_str(), name.c_str(), handleOf(file));
        if (file) return file;
        name = exe + u".vmoptions";
        file = sources_.readTextFile(name);
        logLine(u"vmoptions: opts2: %s, file: %p", name.c_str(), handleOf(file));
        return file;
    }
};

}  // namespace

std::vector<std::string> assembleVmOptionsWith(VmOptionSources& sources, const LauncherArgs& args,
                                               const std::vector<std::string>& systemProperties) {
    std::vector<std::string> options = systemProperties;
    OptionAssembly assembly(sources, options);
    assembly.addConfiguredOptions(args);
    if (getConfigInt(settingReadVmOptionsFile)) assembly.readDefaultOptionsFile();
    addClassAndModulePath(sources, options, assembly.modifiers);
    joinModuleOptions(options);
    logLine(u"vmoption count %d", static_cast<int>(options.size()));
    for (size_t i = 0; i < options.size(); ++i) logLine(u"vmoption %d: %S", static_cast<int>(i), options[i].c_str());
    return options;
}
