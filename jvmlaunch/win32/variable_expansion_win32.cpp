#include <windows.h>

#include "environment/launcher_path.h"
#include "environment/temp_dir.h"
#include "jvmlaunch/variable_expansion.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/win32/wide.h"

// The ANSI environment block; UNICODE maps the plain name to the wide one.
#undef GetEnvironmentStrings

namespace {

std::vector<std::u16string> wideEnvironment() {
    std::vector<std::u16string> entries;
    wchar_t* block = GetEnvironmentStringsW();
    if (!block) return entries;
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) entries.push_back(toU16(entry));
    FreeEnvironmentStringsW(block);
    return entries;
}

std::vector<std::string> narrowEnvironment() {
    std::vector<std::string> entries;
    char* block = GetEnvironmentStrings();
    if (!block) return entries;
    for (const char* entry = block; *entry; entry += strlen(entry) + 1) entries.emplace_back(entry);
    FreeEnvironmentStringsA(block);
    return entries;
}

}  // namespace

void expandVariables(std::u16string& text, bool ansiSafe) {
    if (!mayHoldKey(text)) return;
    WideExpansionValues values;
    const LauncherDirectories& directories = launcherDirectories();
    if (ansiSafe) {
        values.launcherDirectory = directories.ansi;
        values.tempDirectory = getTempDirAnsi();
    } else {
        values.launcherDirectory = directories.wide;
        values.tempDirectory = getTempDirWide(true);
    }
    values.launcherTempDir = launcherTempDir();
    values.jvmHome = jvmHome();
    expandWithValues(text, values, wideEnvironment());
}

void expandVariablesNarrow(std::string& text) {
    if (!mayHoldKey(text)) return;
    NarrowExpansionValues values;
    values.launcherDirectory = launcherDirectories().ansi;
    values.launcherTempDir = launcherTempDir();
    values.jvmHome = jvmHome();
    values.tempDirectory = getTempDirAnsi();
    expandWithValues(text, values, narrowEnvironment());
}
