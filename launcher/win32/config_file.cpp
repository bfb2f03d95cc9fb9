// loadConfiguration: the block is read in place from the launcher's own
// file, one system read per field.
#include <windows.h>

#include "launcher/config_loader.h"
#include "launcher/locale.h"
#include "launcher/win32/file_byte_source.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/startup.h"

int loadConfiguration(const LauncherArgs& args) {
    Handle file(openLauncherFile());
    FileByteSource source(file.get());
    locateConfigurationBlock(source);
    return loadConfigurationFrom(source, [&args] { return recordLocale(detectLocale(&args)); });
}
