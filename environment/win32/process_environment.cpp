#include "environment/win32/process_environment.h"

#include <windows.h>

#include <cstdlib>

#include "launcher/win32/wide.h"

namespace {

// The value may change between the two calls; ask again until it fits.
template <typename Char, typename Get>
std::optional<std::basic_string<Char>> variableValue(Get get) {
    for (DWORD capacity = 256;;) {
        std::basic_string<Char> buffer(capacity, Char(0));
        SetLastError(ERROR_SUCCESS);
        DWORD length = get(reinterpret_cast<SystemChar<Char>*>(buffer.data()), capacity);
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::basic_string<Char>();
        }
        if (length < capacity) return buffer.substr(0, length);
        capacity = length + 1;
    }
}

}  // namespace

std::optional<std::u16string> environmentVariable(const wchar_t* name) {
    return variableValue<char16_t>([name](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(name, b, n); });
}

std::optional<std::string> environmentVariableAnsi(const char* name) {
    return variableValue<char>([name](char* b, DWORD n) { return GetEnvironmentVariableA(name, b, n); });
}

bool setProcessPath(const std::optional<std::u16string>& value) {
    // The C runtime's copy first: _wputenv also writes the system's copy, and
    // the system's own answer decides what is reported.
    std::u16string assignment = u"PATH=" + value.value_or(std::u16string());
    _wputenv(wide(assignment));
    return SetEnvironmentVariableW(L"PATH", value ? wide(*value) : nullptr) != 0;
}
