// Java runtimes the registry knows of: the standard Java registrations, the
// runtimes located earlier, and the installation directories recorded for
// this application.
#pragma once

#include <string>

#include "jvmsearch/version_rules.h"

// The test of a Y entry of the search sequence.
bool checkRegistry(std::string& javaExe, std::string& version, const VersionParts& minimum,
                   const VersionParts& maximum);

// machineHive selects HKEY_LOCAL_MACHINE, otherwise HKEY_CURRENT_USER.
bool checkPreviousInstallation(bool machineHive, std::string& javaExe, std::string& version,
                               const VersionParts& minimum, const VersionParts& maximum);
