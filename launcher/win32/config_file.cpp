// loadConfiguration: the block is read in place from the launcher's own
// file, one system read per field.
#include <windows.h>

#include "environment/launcher_path.h"
#include "launcher/config_loader.h"
#include "launcher/errors.h"
#include "launcher/locale.h"
#include "launcher/log.h"
#include "launcher/win32/file_byte_source.h"
#include "launcher/win32/startup.h"

int loadConfiguration(const LauncherArgs& args) {
    HANDLE file = openLauncherFile();
    if (file == INVALID_HANDLE_VALUE) {
        logError(u"Could not open %p %d %s", static_cast<void*>(file), static_cast<int>(GetLastError()),
                 launcherPathWide().c_str());
        fatalErrorText(u"Error opening media file.");
    }
    FileByteSource source(file);
    locateConfigurationBlock(source);
    int executableType = loadConfigurationFrom(source, [&args] { return recordLocale(detectLocale(&args)); });
    CloseHandle(file);
    return executableType;
}
