#include "studio/KeyMapping.h"

#include <array>
#include <utility>

#include "platform/window/VirtualKeys.h"

namespace {

// Keys whose character, if any, the platform types itself: Tab, Enter, Escape and Backspace
// type control characters, the others none.
constexpr std::array<std::pair<int, std::pair<UINT, wchar_t>>, 19> kNamedKeys{{
    {Qt::Key_Tab, {VK_TAB, L'\t'}},
    {Qt::Key_Backtab, {VK_TAB, L'\t'}},
    {Qt::Key_Return, {VK_RETURN, L'\r'}},
    {Qt::Key_Enter, {VK_RETURN, L'\r'}},
    {Qt::Key_Escape, {VK_ESCAPE, 0x1B}},
    {Qt::Key_Backspace, {VK_BACK, 0x08}},
    {Qt::Key_Left, {VK_LEFT, 0}},
    {Qt::Key_Right, {VK_RIGHT, 0}},
    {Qt::Key_Up, {VK_UP, 0}},
    {Qt::Key_Down, {VK_DOWN, 0}},
    {Qt::Key_Delete, {VK_DELETE, 0}},
    {Qt::Key_F1, {VK_F1, 0}},
    {Qt::Key_PageUp, {VK_PRIOR, 0}},
    {Qt::Key_PageDown, {VK_NEXT, 0}},
    {Qt::Key_Home, {VK_HOME, 0}},
    {Qt::Key_End, {VK_END, 0}},
    {Qt::Key_F4, {VK_F4, 0}},
    {Qt::Key_Control, {VK_CONTROL, 0}},
    {Qt::Key_Shift, {VK_SHIFT, 0}},
}};

}  // namespace

PlatformKey PlatformKeyFor(const QKeyEvent& event) {
    for (const auto& [key, platform] : kNamedKeys) {
        if (event.key() == key) {
            const auto [virtualKey, character] = platform;
            const bool alt = event.modifiers().testFlag(Qt::AltModifier) &&
                             (virtualKey == VK_UP || virtualKey == VK_DOWN);
            return {virtualKey, character ? std::optional<wchar_t>(character) : std::nullopt, alt};
        }
    }
    // A letter pressed with Ctrl types the control character of its place in the alphabet, as
    // the platform translates it (Ctrl+V is 0x16).
    if (event.modifiers().testFlag(Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        const int place = event.key() - Qt::Key_A;
        return {static_cast<UINT>('A' + place), static_cast<wchar_t>(place + 1)};
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].isPrint()) {
        const wchar_t ch = text[0].unicode();
        return {platform::VirtualKeyForCharacter(ch), ch};
    }
    return {};
}
