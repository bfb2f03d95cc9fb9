// The order in which the launcher looks for a Java runtime: the preferred
// location file, the configured search sequence, the installer location file,
// the relative directory entries once more without version checks, the
// recorded installations and two environment variables. The first candidate
// whose VM library loads ends the search; order alone decides.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "jvmsearch/version_rules.h"
#include "launcher/architecture.h"

// The kind of source that produced the last accepted candidate; it picks the
// error message when no library could be loaded.
enum class JvmSource { None = 0, SearchPath = 1, Directory = 2, EnvironmentVariable = 3, Registry = 4 };

struct SearchEntry {
    char type;             // the first character, matched exactly
    std::string argument;  // the rest, as written
};

// The non-empty entries of a ";"-separated search sequence, in order.
std::vector<SearchEntry> parseSearchSequence(const std::string& sequence);

// Longer than one character with a drive colon second, or a "\\" prefix.
bool isAbsoluteEntryArgument(const std::string& argument);

// B entries always, A and R entries only with a relative argument.
bool visitedInFallbackPass(const SearchEntry& entry);

// The first line of a location file: trailing CR and LF removed.
std::string locationFileLine(std::string line);

struct SearchFailureMessage {
    int id = 0;
    std::optional<std::string> argument;  // none for message 1005
};

// The message shown when no library loaded, by the source of the last
// accepted candidate (None: no candidate at all). The launcher names its own
// bitness and raises the variants for runtimes it can load.
SearchFailureMessage failureMessageFor(JvmSource source, const std::string& location,
                                       const Architecture& architecture = launcherArchitecture);

// Everything the search asks of the system. The Win32 shell implements it
// with the registry, the file system and LoadLibrary; tests replace it.
class SearchSources {
public:
    virtual ~SearchSources() = default;

    // Nothing when the file (below the installation directory) is missing or empty.
    virtual std::optional<std::string> readLocationFile(const char* relativeName) = 0;
    virtual bool checkJavaHome(std::string& javaExe, std::string& version, const std::string& home,
                               const VersionParts& minimum, const VersionParts& maximum, bool acceptAny) = 0;
    virtual bool checkEnvVar(std::string& javaExe, std::string& version, const std::string& name,
                             const VersionParts& minimum, const VersionParts& maximum) = 0;
    virtual bool checkSearchPath(std::string& javaExe, std::string& version, const VersionParts& minimum,
                                 const VersionParts& maximum) = 0;
    virtual bool checkRegistry(std::string& javaExe, std::string& version, const VersionParts& minimum,
                               const VersionParts& maximum) = 0;
    virtual bool checkPreviousInstallation(bool machineHive, std::string& javaExe, std::string& version,
                                           const VersionParts& minimum, const VersionParts& maximum) = 0;
    virtual bool checkJavaExe(std::string& javaExe, std::string& version, const VersionParts& minimum,
                              const VersionParts& maximum, bool allowBeta, bool useCache) = 0;
    virtual bool pathExists(const std::string& path) = 0;
    virtual void expandVariables(std::string& text) = 0;
    // The module handle of the candidate's VM library, or nullptr.
    virtual void* loadJvmDll(const std::string& javaExe) = 0;
    virtual bool resolveCreateJavaVM(void* module) = 0;
    virtual void recordJvm(const std::string& javaExe, const std::string& version) = 0;
};

// The state of one search; the outputs survive a failed search so that the
// error message can name the last accepted candidate.
struct SearchState {
    std::string javaExe;
    std::string version;
    JvmSource source = JvmSource::None;
    std::string location;  // the {0} of the error message
    VersionParts minimum;
    VersionParts maximum;
};

// Walks the sources in order; returns the loaded module or nullptr.
void* searchJvm(SearchSources& sources, SearchState& state);

// The whole search with its error message. presetLocation, when given, is
// the only candidate: a Java home, or an executable when presetIsExe.
bool loadDllWith(SearchSources& sources, bool showErrors, const char* presetLocation, bool presetIsExe);
