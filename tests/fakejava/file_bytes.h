// Shared by the fake runtime programs: the whole content of an open file.
#pragma once

#include <windows.h>

#include <string>

// Reads to the end and closes the handle; empty for an invalid handle.
inline std::string readAndCloseFile(HANDLE file) {
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}
