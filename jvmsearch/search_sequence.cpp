#include "jvmsearch/search_sequence.h"

#include "launcher/architecture.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/text.h"

namespace {

constexpr size_t configBuffer = 6000;

void readBounds(SearchState& state) {
    std::string minimum = getConfigString(settingMinimumVersion, configBuffer);
    std::string maximum = getConfigString(settingMaximumVersion, configBuffer);
    logLine(u"MinVersion: %S, MaxVersion: %S", minimum.c_str(), maximum.c_str());
    state.minimum = parseVersion(minimum);
    state.maximum = parseVersion(maximum);
}

// Records an accepted candidate and tries its library.
void* accept(SearchSources& sources, SearchState& state, JvmSource source, const std::string& location) {
    state.location = location;
    state.source = source;
    return sources.loadJvmDll(state.javaExe);
}

enum class LocationFile { preferred, installer };

void* tryLocationFile(SearchSources& sources, SearchState& state, LocationFile which) {
    bool preferred = which == LocationFile::preferred;
    std::optional<std::string> line =
        sources.readLocationFile(preferred ? "\\.orvane\\pref_jre.cfg" : "\\.orvane\\inst_jre.cfg");
    if (!line) return nullptr;
    if (preferred)
        logLine(u"Has preferred location %S", line->c_str());
    else
        logLine(u"Has installer location %S", line->c_str());
    if (!sources.checkJavaHome(state.javaExe, state.version, *line, state.minimum, state.maximum, false))
        return nullptr;
    if (preferred)
        logLine(u"Using preferred location");
    else
        logLine(u"Using installer location");
    return accept(sources, state, JvmSource::Directory, *line);
}

void* firstPass(SearchSources& sources, SearchState& state, const std::vector<SearchEntry>& entries) {
    for (const SearchEntry& entry : entries) {
        std::string argument = entry.argument;
        sources.expandVariables(argument);
        logLine(u"Testing location %S (type %c)", argument.c_str(), static_cast<int>(entry.type));
        bool passed = false;
        JvmSource source = JvmSource::None;
        std::string location = argument;
        switch (entry.type) {
            case 'A':
            case 'B':
            case 'R':
                passed = sources.checkJavaHome(state.javaExe, state.version, argument, state.minimum,
                                               state.maximum, false);
                source = JvmSource::Directory;
                break;
            case 'E':
                passed = sources.checkEnvVar(state.javaExe, state.version, argument, state.minimum, state.maximum);
                source = JvmSource::EnvironmentVariable;
                break;
            case 'S':
                passed = sources.checkSearchPath(state.javaExe, state.version, state.minimum, state.maximum);
                source = JvmSource::SearchPath;
                break;
            case 'Y':
                passed = sources.checkRegistry(state.javaExe, state.version, state.minimum, state.maximum);
                source = JvmSource::Registry;
                location = state.location;  // a registry hit names no location of its own
                break;
            default:
                logLine(u"unknown search type %c, skipped", static_cast<int>(entry.type));
                break;
        }
        if (!passed) continue;
        if (void* module = accept(sources, state, source, location)) return module;
    }
    return nullptr;
}

void* fallbackPass(SearchSources& sources, SearchState& state, const std::vector<SearchEntry>& entries) {
    for (const SearchEntry& entry : entries) {
        if (!visitedInFallbackPass(entry)) continue;
        logLine(u"Testing relative location %S", entry.argument.c_str());
        sources.checkJavaHome(state.javaExe, state.version, entry.argument, state.minimum, state.maximum, true);
        if (!sources.pathExists(state.javaExe)) continue;
        logLine(u"%S exists", state.javaExe.c_str());
        if (void* module = accept(sources, state, JvmSource::Directory, entry.argument)) return module;
    }
    return nullptr;
}

void* previousInstallation(SearchSources& sources, SearchState& state, bool machineHive) {
    if (!sources.checkPreviousInstallation(machineHive, state.javaExe, state.version, state.minimum, state.maximum))
        return nullptr;
    if (machineHive)
        logLine(u"found JRE from previous installation (machine) %S", state.javaExe.c_str());
    else
        logLine(u"found JRE from previous installation (user) %S", state.javaExe.c_str());
    return accept(sources, state, JvmSource::Registry, state.location);
}

void* environmentVariable(SearchSources& sources, SearchState& state, const char* name) {
    if (!sources.checkEnvVar(state.javaExe, state.version, name, state.minimum, state.maximum)) return nullptr;
    return accept(sources, state, JvmSource::EnvironmentVariable, name);
}

void showFailure(const SearchFailureMessage& message) {
    if (message.argument)
        showErrorMessageNarrow(message.id, *message.argument);
    else
        showErrorMessage(message.id);
}

}  // namespace

std::vector<SearchEntry> parseSearchSequence(const std::string& sequence) {
    std::vector<SearchEntry> entries;
    for (const std::string& entry : splitList(sequence, ';')) entries.push_back({entry[0], entry.substr(1)});
    return entries;
}

bool isAbsoluteEntryArgument(const std::string& argument) {
    return argument.size() > 1 && (argument[1] == ':' || (argument[0] == '\\' && argument[1] == '\\'));
}

bool visitedInFallbackPass(const SearchEntry& entry) {
    if (entry.type == 'B') return true;
    if (entry.type == 'A' || entry.type == 'R') return !isAbsoluteEntryArgument(entry.argument);
    return false;
}

std::string locationFileLine(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

SearchFailureMessage failureMessageFor(JvmSource source, const std::string& location,
                                       const Architecture& architecture) {
    switch (source) {
        case JvmSource::Directory:
            return {architecture.msgJavaDamaged, location};
        case JvmSource::EnvironmentVariable:
            return {architecture.msgVariableNoJava, location};
        case JvmSource::Registry:
            return {msgVmStartFailed, std::nullopt};
        case JvmSource::SearchPath:
        case JvmSource::None:
            break;
    }
    return {msgNoJava, std::to_string(architecture.bits)};
}

void* searchJvm(SearchSources& sources, SearchState& state) {
    logLine(u"Searching for a JVM");
    state.source = JvmSource::None;
    std::string sequence = getConfigString(settingSearchSequence, configBuffer);
    readBounds(state);
    std::vector<SearchEntry> entries = parseSearchSequence(sequence);

    if (void* module = tryLocationFile(sources, state, LocationFile::preferred)) return module;
    if (void* module = firstPass(sources, state, entries)) return module;
    if (void* module = tryLocationFile(sources, state, LocationFile::installer)) return module;
    if (void* module = fallbackPass(sources, state, entries)) return module;
    if (void* module = previousInstallation(sources, state, false)) return module;
    if (void* module = previousInstallation(sources, state, true)) return module;
    logLine(u"Search sequence finished");
    if (void* module = environmentVariable(sources, state, "TESSEL_JAVA_HOME")) return module;
    return environmentVariable(sources, state, "ORVANE_JAVA_HOME");
}

bool loadDllWith(SearchSources& sources, bool showErrors, const char* presetLocation, bool presetIsExe) {
    logLine(u"LoadDLL (%d, %S, %d)", showErrors ? 1 : 0, presetLocation, presetIsExe ? 1 : 0);
    SearchState state;
    void* module = nullptr;
    if (presetLocation) {
        logLine(u"Got JRE location %S (java exe: %d)", presetLocation, presetIsExe ? 1 : 0);
        readBounds(state);
        state.javaExe = presetLocation;
        bool accepted = presetIsExe ? sources.checkJavaExe(state.javaExe, state.version, state.minimum,
                                                           state.maximum, true, false)
                                    : sources.checkJavaHome(state.javaExe, state.version, presetLocation,
                                                            state.minimum, state.maximum, true);
        if (!accepted) {
            logError(u"Provided JVM unusable");
            if (showErrors) showFailure(failureMessageFor(JvmSource::None, std::string()));
            return false;
        }
        module = accept(sources, state, JvmSource::Directory, presetLocation);
    } else {
        module = searchJvm(sources, state);
        if (state.source == JvmSource::None) {
            logError(u"No JVM found");
            if (showErrors) showFailure(failureMessageFor(JvmSource::None, std::string()));
            return false;
        }
    }
    sources.recordJvm(state.javaExe, state.version);
    if (!module) logError(u"Could not get DLL-Handle.");
    if (module && sources.resolveCreateJavaVM(module)) {
        logLine(u"Loading of JVM-DLL successful");
        return true;
    }
    logError(u"Could not load functions");
    if (showErrors) showFailure(failureMessageFor(state.source, state.location));
    return false;
}
