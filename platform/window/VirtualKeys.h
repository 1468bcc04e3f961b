#pragma once

#include "platform/WinTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

// The key a person presses for a character. Keys are not characters: '.' is the full-stop
// key, whose code differs from the character code (which is the Delete key's). Characters
// without a key of their own come as VK_PACKET, as input methods deliver them.
UINT VirtualKeyForCharacter(wchar_t ch);

// The flags of a key's WM_KEYDOWN and WM_KEYUP: a repeat count of one; key up also marks the
// key as previously down and being released.
constexpr LPARAM kKeyDownFlags = 1;
constexpr LPARAM kKeyUpFlags = 0xC0000001;
// Set in the flags of WM_SYSKEYDOWN and WM_SYSKEYUP of a key pressed with Alt held.
constexpr LPARAM kAltHeldFlag = 0x20000000;

}  // namespace platform
