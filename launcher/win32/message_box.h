// The launcher's message boxes, in the common controls' look.
#pragma once

#include <windows.h>

#include <string>

// MessageBoxW's answer; 0 when no box could be shown.
int showMessageBox(const std::u16string& text, const std::u16string& caption, UINT type);
