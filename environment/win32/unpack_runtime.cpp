#include "environment/unpack_runtime.h"

#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/process_setup.h"

namespace {

class Win32UnpackPlatform : public UnpackPlatform {
public:
    ~Win32UnpackPlatform() override { closeProcess(); }

    std::vector<std::string> findFiles(const std::string& pattern) override {
        std::vector<std::string> names;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return names;
    }

    bool pathExists(const std::string& path) override { return ::pathExists(path); }

    void writeConsoleText(const std::string& text) override { ::writeConsoleText(text); }

    bool startProcess(const std::string& program, const std::string& commandLine) override {
        closeProcess();
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        std::string mutableLine = commandLine;  // CreateProcessA may write to it
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &startup, &info))
            return false;
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        return true;
    }

    void waitForProcess() override {
        if (process_) WaitForSingleObject(process_, INFINITE);
        closeProcess();
    }

    DeleteResult deleteFile(const std::string& path, int& errorCode) override {
        if (DeleteFileA(path.c_str())) return DeleteResult::deleted;
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return DeleteResult::missing;
        errorCode = static_cast<int>(error);
        return DeleteResult::failed;
    }

private:
    void closeProcess() {
        if (process_) CloseHandle(process_);
        process_ = nullptr;
    }

    HANDLE process_ = nullptr;
};

}  // namespace

void unpackJre(const std::string& runtimeDirectory) {
    Win32UnpackPlatform platform;
    unpackJre(runtimeDirectory, platform);
}
