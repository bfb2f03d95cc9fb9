// The texts of single-instance mode that need no system call: the forwarded
// command-line tail and the names of the instance semaphore and of the
// notification mailslot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a second start forwards: the command line after the program token
// and the spaces that follow it, verbatim. A quoted program token ends at
// its closing quote, an unquoted one at the first space; empty when either
// is missing.
std::u16string commandLineTail(std::u16string_view commandLine);

// "Global\" or "Local\", the instance key with backslashes and spaces made
// underscores, then the counter when given (numbered instances).
std::string instanceSemaphoreNameFor(const std::string& instanceKey, bool global,
                                     std::optional<unsigned> counter = std::nullopt);

// The mailslot through which the instance with this process id is notified.
std::string notificationMailslotName(uint32_t processId);
