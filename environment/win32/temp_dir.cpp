#include "environment/temp_dir.h"

#include <windows.h>

#include "launcher/log.h"
#include "launcher/win32/wide.h"

std::string& launcherTempDir() {
    static std::string directory;
    return directory;
}

std::u16string getTempDirWide(bool) {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, path);
    return n > 0 && n <= MAX_PATH ? toU16(path) : std::u16string();
}

int extractIncludedFiles(bool) {
    logLine(u"extracting files (not yet supported)");
    return 0;
}

void removeTree(const std::string&, bool) {}
