// The user's locale as a Java-style text ("de_DE", "en").
#pragma once

#include <string>

#include "launcher/command_line.h"

// Per platform: the locale text of the user's language (default "en").
std::string detectLocale(const LauncherArgs* args);

// Keeps the locale text and its language and country parts; returns the text.
std::string recordLocale(std::string localeText);
// The parts of the recorded locale; false when the part is unset.
bool localeLanguage(std::string& language);
bool localeCountry(std::string& country);
