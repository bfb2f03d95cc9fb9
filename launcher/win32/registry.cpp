#include "launcher/win32/registry.h"

#include "launcher/enumeration.h"

RegistryKey openRegistryKey(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path, 0, access, &key) != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

RegistryKey createRegistryKey(HKEY parent, const char* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return {};
    return RegistryKey(key);
}

std::optional<std::string> queryRegistryString(HKEY key, const char* name) {
    std::string data(256, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = static_cast<DWORD>(data.size());
        LONG status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size);
        if (status == ERROR_MORE_DATA) {
            data.resize(size + 1);  // the value may grow between the calls: ask again
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        size_t nul = data.find('\0');
        if (nul != std::string::npos) data.resize(nul);
        return data;
    }
    return std::nullopt;
}

bool queryRegistryFixed(HKEY key, const char* name, void* data, DWORD size) {
    DWORD got = size;
    return RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &got) == ERROR_SUCCESS &&
           got == size;
}

std::optional<DWORD> queryRegistryDword(HKEY key, const char* name) {
    DWORD value = 0;
    if (!queryRegistryFixed(key, name, &value, sizeof value)) return std::nullopt;
    return value;
}

std::vector<std::string> registrySubkeyNames(HKEY key) {
    return namesUntilFailure([key](uint32_t index) -> std::optional<std::string> {
        char name[256];  // key names are at most 255 characters
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return std::nullopt;
        return std::string(name, size);
    });
}
