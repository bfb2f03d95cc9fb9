#include "jvmsearch/java_probe_rules.h"

#include "launcher/config_store.h"
#include "launcher/log.h"

namespace {

constexpr size_t versionLineLimit = 99;
// Options echoed by the runtime ("Picked up ...") come first, a line each.
constexpr int versionSearchLines = 10;

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string versionCacheKey(const std::string& normalisedExe) {
    std::string key = "SOFTWARE\\valdrin-works\\tessel\\jvms\\" + normalisedExe;
    for (size_t i = sizeof "SOFTWARE\\valdrin-works\\tessel\\jvms\\" - 1; i < key.size(); ++i)
        if (key[i] == '\\') key[i] = '/';
    return key;
}

std::string lastWriteTimeBytes(uint64_t fileTime) {
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((fileTime >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<std::string> cachedVersionFromData(std::string_view data) {
    size_t nul = data.find('\0');
    std::string text(data.substr(0, nul));
    if (text.size() >= versionBufferSize) return std::nullopt;
    if (text == "1.5." || text == "1.6." || text == "1.7.") return std::nullopt;
    return text;
}

std::optional<std::string> versionFromVersionLine(std::string_view line) {
    std::string_view rest;
    if (startsWith(line, "java version \""))
        rest = line.substr(14);
    else if (startsWith(line, "openjdk version \""))
        rest = line.substr(17);
    else
        return std::nullopt;
    size_t quote = rest.find('"');
    if (quote == std::string_view::npos) return std::nullopt;
    return std::string(rest.substr(0, quote));
}

std::optional<std::string> versionFromOutput(std::string_view output) {
    size_t start = 0;
    for (int line = 0; line < versionSearchLines && start < output.size(); ++line) {
        size_t end = output.find('\n', start);
        if (end == std::string_view::npos) end = output.size();
        std::string_view text = output.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (std::optional<std::string> version = versionFromVersionLine(text.substr(0, versionLineLimit)))
            return version;
        start = end + 1;
    }
    return std::nullopt;
}

std::string consolelessExe(const std::string& javaExe) {
    if (javaExe.size() < 4) return javaExe + "w.exe";
    return javaExe.substr(0, javaExe.size() - 4) + "w.exe";
}

bool checkJavaExeWith(ProbePlatform& platform, std::string& javaExe, std::string& version,
                      const VersionParts& minimum, const VersionParts& maximum, bool allowBeta, bool useCache) {
    logLine(u"checkJavaExe (%S, [out], %d, %d, %d)", javaExe.c_str(), static_cast<int>(minimum.size()),
            static_cast<int>(maximum.size()), allowBeta ? 1 : 0);
    javaExe = platform.canonicalPath(javaExe);
    bool result = false;
    uint64_t lastWrite = 0;
    if (!platform.findFile(javaExe, &lastWrite)) {
        logLine(u"file doesn't exist");
    } else {
        logLine(u"file exists");
        version.clear();
        std::optional<std::string> cached;
        if (useCache) cached = platform.readCachedVersion(javaExe, lastWrite);
        if (cached && *cached != failedRunVersion) {
            version = *cached;
            logLine(u"got version from registry %S", version.c_str());
            result = checkVersionRules(version, minimum, maximum, allowBeta);
        } else if (std::optional<std::string> ran = platform.runJavaVersion(javaExe, lastWrite)) {
            version = *ran;
            logLine(u"got version from execution %S", version.c_str());
            // Cached before the rules apply, so a refused runtime is not run again.
            platform.writeCachedVersion(javaExe, lastWrite, version);
            result = checkVersionRules(version, minimum, maximum, allowBeta);
        } else {
            logLine(u"couldn't get version");
        }
    }
    if (result && getConfigInt(settingExecutableType) == 1) {
        javaExe = consolelessExe(javaExe);
        result = platform.pathExists(javaExe);
    }
    logLine(u"checkJavaExe returning %d", result ? 1 : 0);
    return result;
}

bool javaExeForHomeWith(ProbePlatform& platform, std::string& javaExe, const std::string& home) {
    javaExe = home + "\\jre\\bin\\java.exe";
    if (getConfigInt(settingJdkRequired) != 0) return platform.pathExists(home + "\\lib\\tools.jar");
    if (!platform.pathExists(javaExe)) javaExe = home + "\\bin\\java.exe";
    return true;
}
