// The process's environment in UTF-16. PATH is kept in UTF-16 everywhere it
// is rewritten, so that entries outside the ANSI code page survive for the VM
// and every child process.
#pragma once

#include <optional>
#include <string>

// The variable's value; none when it is not set (a set one may be empty).
std::optional<std::u16string> environmentVariable(const wchar_t* name);
// The same in the ANSI code page.
std::optional<std::string> environmentVariableAnsi(const char* name);

// Sets PATH (or removes it, for none) in the system's environment of the
// process and in the C runtime's copy, so that getenv and child processes
// agree. False when the system refused it.
bool setProcessPath(const std::optional<std::u16string>& value);
