#include "jvmsearch/registry_discovery.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "jvmsearch/java_probe.h"
#include "jvmsearch/registry_choice.h"
#include "jvmsearch/runtime_architecture.h"
#include "launcher/architecture.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/text.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/registry.h"

namespace {

struct Bounds {
    const VersionParts& minimum;
    const VersionParts& maximum;
};

std::optional<std::string> readString(HKEY hive, const std::string& path, const char* name) {
    RegistryKey key = openRegistryKey(hive, path.c_str());
    if (!key) return std::nullopt;
    return queryRegistryString(key.get(), name);
}

// Registry sources rank what they find, so a runtime of the other
// architecture is refused before it can outrank one that loads.
bool probe(JvmCandidate& candidate, const Bounds& bounds, bool allowBeta) {
    return runtimeFitsLauncher(candidate.javaExe) &&
           checkJavaExe(candidate.javaExe, candidate.version, bounds.minimum, bounds.maximum, allowBeta, true);
}

std::optional<JvmCandidate> probeHome(const std::string& home, const Bounds& bounds) {
    JvmCandidate candidate;
    if (!javaExeForHome(candidate.javaExe, home) || !probe(candidate, bounds, false)) return std::nullopt;
    return candidate;
}

std::optional<JvmCandidate> checkRegistryPair(const std::string& jdkKey, const std::string& jreKey,
                                              const Bounds& bounds) {
    bool jdkRequired = getConfigInt(settingJdkRequired) != 0;
    std::string jdkVersion = usableCurrentVersion(
        readString(HKEY_LOCAL_MACHINE, jdkKey, "CurrentVersion"), bounds.minimum,
        bounds.maximum);
    std::string jreVersion =
        jdkRequired ? std::string()
                    : usableCurrentVersion(readString(HKEY_LOCAL_MACHINE, jreKey, "CurrentVersion"),
                                           bounds.minimum, bounds.maximum);
    bool takeJdk = isNewerVersion(jdkVersion, jreVersion);
    const std::string& key = takeJdk ? jdkKey : jreKey;
    const std::string& version = takeJdk ? jdkVersion : jreVersion;
    std::optional<std::string> home = readString(HKEY_LOCAL_MACHINE, key + "\\" + version, "JavaHome");
    if (!home) return std::nullopt;
    return probeHome(*home, bounds);
}

std::optional<JvmCandidate> checkRegistryVersions(const std::string& keyPath, const Bounds& bounds) {
    RegistryKey key = openRegistryKey(HKEY_LOCAL_MACHINE, keyPath.c_str());
    if (!key) return std::nullopt;
    for (const std::string& name :
         versionNamesToProbe(registrySubkeyNames(key.get()), bounds.minimum, bounds.maximum)) {
        RegistryKey versionKey = openRegistryKey(key.get(), name.c_str());
        if (!versionKey) continue;
        std::optional<std::string> home = queryRegistryString(versionKey.get(), "JavaHome");
        if (!home) continue;
        if (std::optional<JvmCandidate> found = probeHome(*home, bounds)) return found;
    }
    return std::nullopt;
}

std::optional<JvmCandidate> checkStandardRegistry(const Bounds& bounds) {
    bool jdkRequired = getConfigInt(settingJdkRequired) != 0;
    const std::string javaSoft = "SOFTWARE\\JavaSoft\\";
    std::optional<JvmCandidate> found = checkRegistryPair(javaSoft + "JDK", javaSoft + "JRE", bounds);
    if (!found && !jdkRequired) found = checkRegistryVersions(javaSoft + "JRE", bounds);
    if (!found) found = checkRegistryVersions(javaSoft + "JDK", bounds);
    if (!found)
        found = checkRegistryPair(javaSoft + "Java Development Kit", javaSoft + "Java Runtime Environment", bounds);
    if (!found && !jdkRequired) found = checkRegistryVersions(javaSoft + "Java Runtime Environment", bounds);
    if (!found) found = checkRegistryVersions(javaSoft + "Java Development Kit", bounds);
    return found;
}

std::optional<JvmCandidate> newestLocatedIn(HKEY hive, bool acceptAll, const Bounds& bounds) {
    RegistryKey key = openRegistryKey(hive, "SOFTWARE\\valdrin-works\\tessel\\locatedjvms");
    if (!key) return std::nullopt;
    std::vector<std::string> names = registrySubkeyNames(key.get());
    key.reset();
    std::optional<JvmCandidate> best;
    for (const std::string& name : names) {
        JvmCandidate candidate{locatedRuntimeExe(name), std::string()};
        if (!locatedRuntimeEligible(candidate.javaExe, acceptAll)) continue;
        if (probe(candidate, bounds, true)) keepNewestLocated(best, candidate);
    }
    return best;
}

std::optional<JvmCandidate> checkLocatedRuntimes(bool acceptAll, const Bounds& bounds) {
    std::optional<JvmCandidate> user = newestLocatedIn(HKEY_CURRENT_USER, acceptAll, bounds);
    std::optional<JvmCandidate> machine = newestLocatedIn(HKEY_LOCAL_MACHINE, acceptAll, bounds);
    return newerOrSecond(user, machine);
}

enum class Lookup { found, notFound, stop };

Lookup installationIn(HKEY hive, REGSAM view, const std::string& appId, const Bounds& bounds,
                      JvmCandidate& candidate) {
    logLine(u"checking app id %S (%d, %p)", appId.c_str(), static_cast<int>(view), static_cast<void*>(hive));
    if (appId.empty()) return Lookup::stop;  // the id is the same in every view
    RegistryKey key;
    LONG status =
        RegOpenKeyExA(hive, "SOFTWARE\\valdrin-works\\orvane\\installations", 0, KEY_READ | view, key.receive());
    if (status != ERROR_SUCCESS) {
        logLine(u"could not open installation node %d", static_cast<int>(status));
        return Lookup::notFound;
    }
    std::optional<std::string> value = queryRegistryString(key.get(), appId.c_str());
    if (!value || value->empty()) {
        logLine(u"could not query value node %d", 0);
        return Lookup::notFound;
    }
    logLine(u"found installations: %S", value->c_str());
    for (const std::string& directory : splitList(*value, ';')) {
        std::string home = directory + "\\jre";
        JvmCandidate found;
        if (!javaExeForHome(found.javaExe, home)) {
            logLine(u"did not find java in %S", home.c_str());
            continue;
        }
        if (probe(found, bounds, false)) {
            candidate = found;
            return Lookup::found;
        }
        logLine(u"java version did not match in %S", home.c_str());
    }
    return Lookup::notFound;
}

}  // namespace

bool checkRegistry(std::string& javaExe, std::string& version, const VersionParts& minimum,
                   const VersionParts& maximum) {
    Bounds bounds{minimum, maximum};
    bool onlyOwn = getConfigInt(settingOnlyOwnRuntimes) != 0;
    std::optional<JvmCandidate> standard;
    if (!onlyOwn) {
        standard = checkStandardRegistry(bounds);
        if (standard) logLine(u"found sun %S %S", standard->javaExe.c_str(), standard->version.c_str());
    }
    std::optional<JvmCandidate> located = checkLocatedRuntimes(!onlyOwn, bounds);
    if (located) logLine(u"found located %S %S", located->javaExe.c_str(), located->version.c_str());
    std::optional<JvmCandidate> chosen = newerOrSecond(standard, located);
    if (!chosen) return false;
    javaExe = chosen->javaExe;
    version = chosen->version;
    return true;
}

bool checkPreviousInstallation(bool machineHive, std::string& javaExe, std::string& version,
                               const VersionParts& minimum, const VersionParts& maximum) {
    Bounds bounds{minimum, maximum};
    HKEY hive = machineHive ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    std::string appId = getConfigString(settingApplicationId, 6000);
    JvmCandidate candidate;
    // The process's own view first, then the one where the other
    // architecture's installers record.
    for (REGSAM view : {static_cast<REGSAM>(0), static_cast<REGSAM>(launcherArchitecture.otherRegistryView)}) {
        Lookup result = installationIn(hive, view, appId, bounds, candidate);
        if (result == Lookup::stop) return false;
        if (result == Lookup::found) {
            javaExe = candidate.javaExe;
            version = candidate.version;
            return true;
        }
    }
    return false;
}
