#include "jvmsearch/load_dll.h"

#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/unpack_runtime.h"
#include "jvmlaunch/variable_expansion.h"
#include "jvmsearch/java_probe.h"
#include "jvmsearch/jvm_library.h"
#include "jvmsearch/registry_discovery.h"
#include "jvmsearch/search_sequence.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/wide.h"

namespace {

constexpr size_t settingLimit = 6000;

class Win32SearchSources : public SearchSources {
public:
    std::optional<std::string> readLocationFile(const char* relativeName) override {
        std::u16string path = canonicalPathWide(getConfigStringWide(settingInstallationDirectory, settingLimit), true) +
                              widenBytes(relativeName);
        std::optional<std::string> bytes = readFileBytes(path);
        if (!bytes) return std::nullopt;
        std::string text = asTextModeRead(*bytes);
        if (text.empty()) return std::nullopt;  // no line at all; an empty first line still counts
        return locationFileLine(text.substr(0, text.find('\n')));
    }

    bool checkJavaHome(std::string& javaExe, std::string& version, const std::string& home,
                       const VersionParts& minimum, const VersionParts& maximum, bool acceptAny) override {
        std::string directory = canonicalPath(home, false);
        unpackJre(directory);
        bool passed = javaExeForHome(javaExe, directory) &&
                      ::checkJavaExe(javaExe, version, minimum, maximum, true, true);
        return passed || acceptAny;
    }

    bool checkEnvVar(std::string& javaExe, std::string& version, const std::string& name,
                     const VersionParts& minimum, const VersionParts& maximum) override {
        std::string home =
            sizedQuery<char>([&](char* b, DWORD n) { return GetEnvironmentVariableA(name.c_str(), b, n); });
        if (home.empty()) return false;
        for (char& c : home)
            if (c == '/') c = '\\';
        return javaExeForHome(javaExe, home) && ::checkJavaExe(javaExe, version, minimum, maximum, false, true);
    }

    bool checkSearchPath(std::string& javaExe, std::string& version, const VersionParts& minimum,
                         const VersionParts& maximum) override {
        javaExe = sizedQuery<char>([](char* b, DWORD n) { return SearchPathA(nullptr, "java.exe", nullptr, n, b, nullptr); });
        if (javaExe.empty()) return false;
        return ::checkJavaExe(javaExe, version, minimum, maximum, false, true);
    }

    bool checkRegistry(std::string& javaExe, std::string& version, const VersionParts& minimum,
                       const VersionParts& maximum) override {
        return ::checkRegistry(javaExe, version, minimum, maximum);
    }

    bool checkPreviousInstallation(bool machineHive, std::string& javaExe, std::string& version,
                                   const VersionParts& minimum, const VersionParts& maximum) override {
        return ::checkPreviousInstallation(machineHive, javaExe, version, minimum, maximum);
    }

    bool checkJavaExe(std::string& javaExe, std::string& version, const VersionParts& minimum,
                      const VersionParts& maximum, bool allowBeta, bool useCache) override {
        return ::checkJavaExe(javaExe, version, minimum, maximum, allowBeta, useCache);
    }

    bool pathExists(const std::string& path) override { return ::pathExists(path); }
    void expandVariables(std::string& text) override { expandVariablesNarrow(text); }
    void* loadJvmDll(const std::string& javaExe) override { return ::loadJvmDll(javaExe); }
    bool resolveCreateJavaVM(void* module) override { return ::resolveCreateJavaVM(module); }
    void recordJvm(const std::string& javaExe, const std::string& version) override {
        ::recordJvm(javaExe, version);
    }
};

}  // namespace

bool LoadDLL(int showErrors, const char* presetLocation, int presetIsExe) {
    Win32SearchSources sources;
    return loadDllWith(sources, showErrors != 0, presetLocation, presetIsExe != 0);
}
