// From a Windows language id to the Java-style locale text the launcher uses
// to select its messages and hands to the VM.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "launcher/command_line.h"

// The row of the exact id, else the row of its primary language (low 10
// bits), else "en".
std::string localeForLanguageId(uint16_t languageId);

// True when the last argument that sets sun.locale.formatasdefault sets it
// to exactly "true".
bool formatAsDefaultRequested(const LauncherArgs& args);

// The locale text of the user. formatLanguage is the user's default locale;
// uiLanguage is asked only when the format locale is not forced to be the
// default, and yields nothing when the system lacks it.
std::string chooseLocale(const LauncherArgs* args, uint16_t formatLanguage,
                         const std::function<std::optional<uint16_t>()>& uiLanguage);
