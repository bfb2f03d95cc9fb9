#include "environment/launcher_path.h"
#include "environment/temp_dir.h"
#include "environment/win32/process_environment.h"
#include "jvmlaunch/variable_expansion.h"
#include "jvmlaunch/vm_options.h"
#include "launcher/text.h"

namespace {

class Win32VmOptionSources : public VmOptionSources {
public:
    std::optional<std::string> readTextFile(const std::u16string& path) override {
        // Text mode, as options files are written with Windows line ends.
        std::optional<std::string> bytes = readFileBytes(path);
        if (!bytes) return std::nullopt;
        return asTextModeRead(*bytes);
    }
    std::u16string launcherPath() override { return launcherPathWide(); }
    std::u16string moduleFileName() override { return moduleFileNameWide(); }
    std::u16string resolveInclude(const std::u16string& name, const std::u16string* includingFile) override {
        return resolveAgainstLauncherDirWide(name, false, includingFile);
    }
    std::u16string fileIdentity(const std::u16string& path) override { return canonicalPathWide(path, false); }
    void expandVariables(std::u16string& text, bool ansiSafe) override { ::expandVariables(text, ansiSafe); }
    void expandVariablesNarrow(std::string& text) override { ::expandVariablesNarrow(text); }
    std::string toAnsi(std::u16string_view text) override { return ::toAnsi(text); }

    std::string resolvePath(const std::string& path) override { return resolveAgainstLauncherDir(path); }
    std::string fullPath(const std::string& path) override { return canonicalPath(path, true); }
    bool pathExists(const std::string& path) override { return ::pathExists(path); }
    std::vector<std::string> findFiles(const std::string& pattern) override { return findFileNames(pattern); }
    std::optional<std::string> environmentVariable(const std::string& name) override {
        return environmentVariableAnsi(name.c_str());
    }
    std::string launcherTempDir() override { return ::launcherTempDir(); }
};

}  // namespace

std::vector<std::string> assembleVmOptions(const LauncherArgs& args, const std::vector<std::string>& systemProperties) {
    Win32VmOptionSources sources;
    return assembleVmOptionsWith(sources, args, systemProperties);
}
