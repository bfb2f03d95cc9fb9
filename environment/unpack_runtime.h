// Unpacking of packed runtime archives: a runtime shipped with x.jar stored
// as x.jar.pack is made usable by running its own bin\unpack200.exe.
#pragma once

#include <string>
#include <vector>

// Unpacks every packed archive in "lib" and "lib\ext" of the runtime
// directory whose archive is missing. A tool that cannot be started ends
// the process (message 1009, "20").
void unpackJre(const std::string& runtimeDirectory);

// The system side of unpacking, replaced in tests.
class UnpackPlatform {
public:
    virtual ~UnpackPlatform() = default;
    // Names (not paths) of the files matching the pattern.
    virtual std::vector<std::string> findFiles(const std::string& pattern) = 0;
    virtual bool pathExists(const std::string& path) = 0;
    virtual void writeConsoleText(const std::string& text) = 0;
    // Runs the tool hidden with the arguments after its own quoted path and
    // waits for it to end; false when it could not be started.
    virtual bool runTool(const std::string& program, const std::string& arguments) = 0;
    enum class DeleteResult { deleted, missing, failed };
    virtual DeleteResult deleteFile(const std::string& path, int& errorCode) = 0;
};

void unpackJre(const std::string& runtimeDirectory, UnpackPlatform& platform);
// One scan of runtimeDirectory\subdirectory; announced is shared by the
// scans of one unpackJre call.
void unpackPackedJars(const std::string& runtimeDirectory, const std::string& subdirectory, bool& announced,
                      UnpackPlatform& platform);
void unpackOneArchive(const std::string& runtimeDirectory, const std::string& packedPath, UnpackPlatform& platform);

// "-r "packed" "archive"": the tool's arguments.
std::string unpackArguments(const std::string& packedPath, const std::string& archivePath);
