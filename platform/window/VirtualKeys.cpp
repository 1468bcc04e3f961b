#include "platform/window/VirtualKeys.h"

#include "platform/window/WindowMessages.h"

namespace platform {

UINT VirtualKeyForCharacter(wchar_t ch) {
    if ((ch >= L'0' && ch <= L'9') || (ch >= L'A' && ch <= L'Z')) {
        return ch;
    }
    if (ch >= L'a' && ch <= L'z') {
        return ch - L'a' + L'A';
    }
    switch (ch) {
        case L'.':
            return VK_OEM_PERIOD;
        case L',':
            return VK_OEM_COMMA;
        case L'-':
            return VK_OEM_MINUS;
        case L'+':
            return VK_OEM_PLUS;
        case L' ':
            return VK_SPACE;
        default:
            return VK_PACKET;
    }
}

}  // namespace platform
