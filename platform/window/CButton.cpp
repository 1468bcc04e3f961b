#include "platform/window/CButton.h"

#include "platform/window/WindowStyles.h"

namespace {

class ButtonState : public platform::WindowState {
public:
    int check = BST_UNCHECKED;
    bool pressed = false;
};

DWORD ButtonType(HWND window) {
    const platform::WindowRecord* record = platform::FindWindowRecord(window);
    return record ? record->style & BS_TYPEMASK : BS_PUSHBUTTON;
}

UINT DialogCode(DWORD type) {
    switch (type) {
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

void Click(HWND window) {
    if (ButtonType(window) == BS_AUTOCHECKBOX) {
        auto* state = platform::FindWindowState<ButtonState>(window);
        state->check = state->check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
    }
    platform::NotifyParent(window, BN_CLICKED);
}

LRESULT ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = platform::FindWindowState<ButtonState>(window);
    const bool isGroupBox = ButtonType(window) == BS_GROUPBOX;
    switch (message) {
        case WM_GETDLGCODE:
            return DialogCode(ButtonType(window));
        case WM_LBUTTONDOWN:
            if (!isGroupBox) {
                state->pressed = true;
                SetFocus(window);
            }
            return 0;
        case WM_LBUTTONUP:
            if (state->pressed) {
                state->pressed = false;
                Click(window);
            }
            return 0;
        // The Space key presses the focused button as the mouse does: down, then a click on
        // release.
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && !isGroupBox) {
                state->pressed = true;
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE && state->pressed) {
                state->pressed = false;
                Click(window);
                return 0;
            }
            break;
        case WM_KILLFOCUS:
            state->pressed = false;
            break;
        default:
            break;
    }
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

int CButton::GetCheck() const {
    const auto* state = platform::FindWindowState<ButtonState>(m_hWnd);
    return state ? state->check : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (auto* state = platform::FindWindowState<ButtonState>(m_hWnd)) {
        state->check = check != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
    }
}

UINT CButton::GetButtonStyle() const {
    return ButtonType(m_hWnd);
}

namespace platform {

const WindowClass& ButtonWindowClass() {
    static const WindowClass kClass{
        &ButtonProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CButton>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<ButtonState>()); }};
    return kClass;
}

}  // namespace platform
