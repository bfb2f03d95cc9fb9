// Single-instance mode: a second start forwards its command line and ends.
#pragma once

#include <optional>
#include <string>

// Returns only when this process may go on.
void enterInstanceMode(bool forwardCommandLine);

// The name of the instance semaphore that enterInstanceMode created; none
// before, or when it created none.
const std::optional<std::string>& instanceSemaphoreName();
