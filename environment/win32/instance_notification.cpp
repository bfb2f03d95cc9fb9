#include "environment/win32/instance_notification.h"

#include <vector>

#include "environment/instance_names.h"
#include "environment/notification_message.h"
#include "environment/win32/private_security.h"
#include "launcher/log.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/system_library.h"
#include "windows/JavaVMLauncher/startup_notification.h"

namespace {

std::string loggedMailslotName(uint32_t processId) {
    std::string name = notificationMailslotName(processId);
    logLine(u"mailslot name %S", name.c_str());
    return name;
}

// Reads the next message whole: the buffer holds the largest message the
// mailslot accepts, so one read both waits and takes it. (A zero-byte read
// to wait, then a sized read, fails at once under some systems, which also
// drop what a too-short read leaves.) True with the message's bytes; false
// with the error code.
bool readMessage(HANDLE mailslot, std::vector<unsigned char>& buffer, DWORD& size, DWORD& error) {
    for (;;) {
        if (ReadFile(mailslot, buffer.data(), static_cast<DWORD>(buffer.size()), &size, nullptr)) return true;
        error = GetLastError();
        DWORD next = MAILSLOT_NO_MESSAGE;
        // A message larger than the buffer stays queued on some systems:
        // read it whole to get past it.
        if (error != ERROR_INSUFFICIENT_BUFFER || !GetMailslotInfo(mailslot, nullptr, &next, nullptr, nullptr) ||
            next == MAILSLOT_NO_MESSAGE || next <= buffer.size())
            return false;
        buffer.resize(next);
    }
}

DWORD windowsOwner = 0;  // the process whose windows are activated

BOOL CALLBACK activateWindow(HWND window, LPARAM restoreMinimized) {
    DWORD owner = 0;
    USER32_CALL(GetWindowThreadProcessId, window, &owner);
    if (!USER32_CALL(IsWindowVisible, window) || owner != windowsOwner) return TRUE;
    logLine(u"found window %p", static_cast<void*>(window));
    if (restoreMinimized && USER32_CALL(IsIconic, window)) {
        logLine(u"restore");
        USER32_CALL(ShowWindow, window, SW_RESTORE);
    }
    logLine(u"foreground");
    USER32_CALL(SetForegroundWindow, window);
    logLine(u"popup");
    USER32_CALL(SetForegroundWindow, USER32_CALL(GetLastActivePopup, window));
    logLine(u"done");
    return TRUE;
}

}  // namespace

HANDLE createNotificationMailslot() {
    SECURITY_ATTRIBUTES* ownerOnly = privateSecurityAttributes();
    if (!ownerOnly) return INVALID_HANDLE_VALUE;  // never open to everyone
    std::string name = loggedMailslotName(GetCurrentProcessId());
    return CreateMailslotA(name.c_str(), static_cast<DWORD>(maxNotificationBytes), MAILSLOT_WAIT_FOREVER, ownerOnly);
}

void notifyRunningInstance(uint32_t processId, const std::u16string& tail) {
    std::string name = loggedMailslotName(processId);
    Handle mailslot;
    // The running instance may not have created its mailslot yet.
    for (int attempt = 0; attempt < 51; ++attempt) {
        if (attempt > 0) Sleep(100);
        mailslot.reset(CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (mailslot) break;
    }
    if (!mailslot) {
        logLine(u"error mailslot CreateFile %d", GetLastError());
        return;
    }
    std::vector<unsigned char> message = encodeNotification(tail);
    DWORD written = 0;
    if (!WriteFile(mailslot.get(), message.data(), static_cast<DWORD>(message.size()), &written, nullptr))
        logLine(u"error mailslot WriteFile %d", GetLastError());
    else if (written != message.size())
        logLine(u"error mailslot WriteFile length %d %d", written, static_cast<DWORD>(message.size()));
}

DWORD WINAPI notificationListener(void* mailslotHandle) {
    Handle mailslot(static_cast<HANDLE>(mailslotHandle));
    logLine(u"listening to mailslot");
    // Room beyond the largest message: a system that cuts a longer one
    // short still reads more than any sender writes, and it is dropped.
    std::vector<unsigned char> buffer(maxNotificationBytes + 2);
    // A failing read is retried after a pause that grows; ten failures in a
    // row end the listener rather than let it spin.
    int failures = 0;
    while (failures < 10) {
        DWORD size = 0, error = 0;
        if (!readMessage(mailslot.get(), buffer, size, error)) {
            logLine(u"error mailslot ReadFile %d", error);
            Sleep(200 * ++failures);
            continue;
        }
        failures = 0;
        std::optional<std::optional<std::u16string>> commandLine = decodeNotification(buffer.data(), size);
        if (!commandLine) {
            logLine(u"error mailslot read %d bytes dropped", size);
            continue;
        }
        deliverStartupNotification(*commandLine);
    }
    logLine(u"stopped listening to mailslot");
    return 0;
}

void activateInstanceWindows(uint32_t processId, bool restoreMinimized) {
    windowsOwner = processId;
    USER32_CALL(EnumWindows, activateWindow, restoreMinimized);
}
