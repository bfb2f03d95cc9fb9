#include "environment/unpack_runtime.h"

#include "launcher/errors.h"
#include "launcher/log.h"

namespace {

const size_t kPackSuffixLength = 5;  // ".pack"

}  // namespace

std::string unpackArguments(const std::string& packedPath, const std::string& archivePath) {
    return "-r \"" + packedPath + "\" \"" + archivePath + "\"";
}

void unpackJre(const std::string& runtimeDirectory, UnpackPlatform& platform) {
    bool announced = false;
    unpackPackedJars(runtimeDirectory, "lib", announced, platform);
    unpackPackedJars(runtimeDirectory, "lib\\ext", announced, platform);
    if (announced) logLine(u"Unpacking JRE done");
}

void unpackPackedJars(const std::string& runtimeDirectory, const std::string& subdirectory, bool& announced,
                      UnpackPlatform& platform) {
    std::vector<std::string> names = platform.findFiles(runtimeDirectory + "\\" + subdirectory + "\\*.jar.pack");
    for (const std::string& name : names) {
        // Short-name matching can report names that lack the suffix.
        if (name.size() <= kPackSuffixLength) continue;
        std::string archiveName = name.substr(0, name.size() - kPackSuffixLength);
        std::string archive = runtimeDirectory + "\\" + subdirectory + "\\" + archiveName;
        logLine(u"checking %S", archive.c_str());
        if (platform.pathExists(archive)) continue;
        if (!announced) {
            logLine(u"Unpacking JRE");
            platform.writeConsoleText("Preparing JRE ...\n");
            announced = true;
        }
        std::string relative = subdirectory + "\\" + archiveName;
        unpackOneArchive(runtimeDirectory, runtimeDirectory + "\\" + relative + ".pack", platform);
    }
}

void unpackOneArchive(const std::string& runtimeDirectory, const std::string& packedPath, UnpackPlatform& platform) {
    if (packedPath.size() <= kPackSuffixLength) return;
    std::string archive = packedPath.substr(0, packedPath.size() - kPackSuffixLength);
    if (!platform.pathExists(packedPath)) {
        logLine(u"pack path doesn't exists");
        return;
    }
    std::string tool = runtimeDirectory + "\\bin\\unpack200.exe";
    std::string arguments = unpackArguments(packedPath, archive);
    logLine(u"%S", tool.c_str());
    logLine(u"%S", arguments.c_str());
    logLine(u"waiting for unpack200 to finish");
    if (!platform.runTool(tool, arguments)) {
        logLine(u"could not create unpack process");
        fatalError(msgInternalError, u"20");
    }
    logLine(u"unpack done");
    int errorCode = 0;
    // The tool removes the packed file itself when it honours -r.
    if (platform.deleteFile(packedPath, errorCode) == UnpackPlatform::DeleteResult::failed)
        logLine(u"could not delete packed file (error %d)", errorCode);
}
