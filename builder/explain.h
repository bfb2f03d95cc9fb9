// --explain: what a launcher file holds, in the names of the configuration file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The readable description of the file's block and resources; nothing when
// it is no launcher file, with the reason in error.
std::optional<std::string> explainLauncherFile(std::string_view file, std::string& error);
