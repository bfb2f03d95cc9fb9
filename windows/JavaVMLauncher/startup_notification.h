// Hands command lines forwarded by second starts to the Java side's
// com.tessel.Controller.startupPerformed, from the notification listener
// thread. Only that one thread may call it.
#pragma once

#include <optional>
#include <string>

// Waits (without limit) until the VM exists and this thread is attached,
// then calls startupPerformed with the text, or with null for none. A
// missing class or method, or a string the VM cannot make, drops this
// command line; the lookup is tried again with the next one.
void deliverStartupNotification(const std::optional<std::u16string>& commandLine);
