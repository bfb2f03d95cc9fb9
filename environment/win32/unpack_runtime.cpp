#include "environment/unpack_runtime.h"

#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/process_setup.h"
#include "launcher/win32/child_process.h"

namespace {

class Win32UnpackPlatform : public UnpackPlatform {
public:
    std::vector<std::string> findFiles(const std::string& pattern) override { return findFileNames(pattern); }

    bool pathExists(const std::string& path) override { return ::pathExists(path); }

    void writeConsoleText(const std::string& text) override { ::writeConsoleText(text); }

    bool runTool(const std::string& program, const std::string& arguments) override {
        std::optional<std::u16string> wideProgram = fromAnsi(program);
        std::optional<std::u16string> wideArguments = fromAnsi(arguments);
        if (!wideProgram || !wideArguments) return false;
        ChildProcess tool;
        tool.program = *wideProgram;
        tool.arguments = *wideArguments;
        return runChildProcess(tool).started;
    }

    DeleteResult deleteFile(const std::string& path, int& errorCode) override {
        if (DeleteFileA(path.c_str())) return DeleteResult::deleted;
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return DeleteResult::missing;
        errorCode = static_cast<int>(error);
        return DeleteResult::failed;
    }
};

}  // namespace

void unpackJre(const std::string& runtimeDirectory) {
    Win32UnpackPlatform platform;
    unpackJre(runtimeDirectory, platform);
}
