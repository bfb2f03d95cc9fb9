// The notification mailslot between a second start and the running instance,
// and the activation of the running instance's windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The mailslot on which this process receives notifications; none (an
// invalid handle) when it cannot be created. Only the current user and
// SYSTEM may open it.
HANDLE createNotificationMailslot();

// Sender side: one message with the tail (the marker when empty) into the
// mailslot of that process, retried while the mailslot does not exist yet.
void notifyRunningInstance(uint32_t processId, const std::u16string& tail);

// Thread procedure of the listener; owns the mailslot handle it is given.
DWORD WINAPI notificationListener(void* mailslot);

// Brings every visible top-level window of that process to the foreground.
void activateInstanceWindows(uint32_t processId, bool restoreMinimized);
