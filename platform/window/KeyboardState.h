#pragma once

#include <cstdint>

#include "platform/window/WindowMessages.h"

// Which keys are down, as the key messages delivered so far left them: the person's input goes
// through the modal loop, which records each key going down and coming up.
namespace platform {

void RecordKeyMessage(const MSG& message);

}  // namespace platform

// Negative (the high bit set) while the key is down, as on the platform.
std::int16_t GetKeyState(int virtualKey);
