#pragma once

#include <cstdint>

#include "platform/window/WindowMessages.h"

// Which keys are down, as the key messages delivered so far left them: the person's input goes
// through the modal loop, which records each key going down and coming up.
namespace platform {

void RecordKeyMessage(const MSG& message);
// Every key up: a dialog starts with none held, even when the last one closed on a key that was
// never released to it.
void ReleaseAllKeys();

}  // namespace platform

// Negative (the high bit set) while the key is down, as on the platform.
std::int16_t GetKeyState(int virtualKey);
