// Extraction of the included files into the launcher's temporary directory.
#include <windows.h>

#include <memory>
#include <vector>

#include "environment/included_files.h"
#include "environment/temp_dir.h"
#include "environment/win32/private_security.h"
#include "launcher/config_loader.h"
#include "launcher/config_store.h"
#include "launcher/log.h"
#include "launcher/win32/file_byte_source.h"
#include "launcher/win32/handle.h"

namespace {

uint64_t unextracted = 0;

// Owns the file handle: the file is closed when extraction is done with it.
class OwnedFileSink : public FileByteSink {
public:
    explicit OwnedFileSink(Handle file) : FileByteSink(file.get()), file_(std::move(file)) {}

private:
    Handle file_;
};

// Everything is created for the current user only, and never over what
// exists: the system gives new objects inheritable entries only on some
// file systems, so each one gets the list itself.
class FileSystemTarget : public ExtractionTarget {
public:
    bool createDirectory(const std::string& path) override {
        return security_ && CreateDirectoryA(path.c_str(), security_);
    }
    std::unique_ptr<ByteSink> createFile(const std::string& path) override {
        if (!security_) return nullptr;
        Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, security_, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return nullptr;
        return std::make_unique<OwnedFileSink>(std::move(file));
    }

private:
    SECURITY_ATTRIBUTES* security_ = privateSecurityAttributes();
};

}  // namespace

uint64_t unextractedPosition() { return unextracted; }

int extractIncludedFiles(bool createDir) {
    logLine(u"extracting files");
    int count = getConfigInt(settingIncludedFileCount);
    logLine(u"Included files: %d", count);
    if (count <= 0) return 0;
    std::vector<std::string> names = includedFileNames(dupConfigString(settingIncludedFileNames), count);
    // Refused before the directory exists, so nothing at all is written for it.
    refuseUnsafeIncludedNames(names);
    if (createDir) createLauncherTempDir();

    Handle file(openLauncherFile());
    FileByteSource source(file.get());
    source.seek(extractionPosition());
    FileSystemTarget target;
    int result = extractIncludedFilesFrom(source, launcherTempDir(), names, target);
    if (result == 0) {
        unextracted = source.position();
        logLine(u"extracting files done");
    }
    return result;
}
