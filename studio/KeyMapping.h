#pragma once

#include <QKeyEvent>
#include <optional>

#include "platform/window/WindowMessages.h"

// A key as the platform's messages carry it: the virtual key of WM_KEYDOWN and WM_KEYUP and the
// character of WM_CHAR, if the key types one. Keys the window system does not know (function
// keys but F1 and F4, modifiers but Ctrl and Shift) give no virtual key. A letter with Ctrl types
// its control character (Ctrl+A is 0x01); Alt with an arrow is a system key (WM_SYSKEYDOWN), as
// Alt+Down that drops a list.
struct PlatformKey {
    std::optional<UINT> virtualKey;
    std::optional<wchar_t> character;
    bool alt = false;
};

PlatformKey PlatformKeyFor(const QKeyEvent& event);
