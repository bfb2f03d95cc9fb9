#include "environment/win32/process_environment.h"

#include <windows.h>

#include <cstdlib>

#include "launcher/win32/wide.h"

std::optional<std::u16string> environmentVariable(const wchar_t* name) {
    // The value may change between the two calls; ask again until it fits.
    for (DWORD capacity = 256;;) {
        std::u16string buffer(capacity, u'\0');
        SetLastError(ERROR_SUCCESS);
        DWORD length = GetEnvironmentVariableW(name, wideBuffer(buffer), capacity);
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::u16string();
        }
        if (length < capacity) return buffer.substr(0, length);
        capacity = length + 1;
    }
}

bool setProcessPath(const std::optional<std::u16string>& value) {
    // The C runtime's copy first: _wputenv also writes the system's copy, and
    // the system's own answer decides what is reported.
    std::u16string assignment = u"PATH=" + value.value_or(std::u16string());
    _wputenv(wide(assignment));
    return SetEnvironmentVariableW(L"PATH", value ? wide(*value) : nullptr) != 0;
}
