#include "platform/window/KeyboardState.h"

#include <set>

namespace platform {
namespace {

std::set<int>& KeysDown() {
    static std::set<int> keys;
    return keys;
}

}  // namespace

void RecordKeyMessage(const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        KeysDown().insert(static_cast<int>(message.wParam));
    } else if (message.message == WM_KEYUP) {
        KeysDown().erase(static_cast<int>(message.wParam));
    }
}

void ReleaseAllKeys() {
    KeysDown().clear();
}

}  // namespace platform

std::int16_t GetKeyState(int virtualKey) {
    constexpr std::int16_t kDown = INT16_MIN;
    return platform::KeysDown().contains(virtualKey) ? kDown : 0;
}
