#include "platform/window/CButton.h"

#include "platform/window/Geometry.h"
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

bool IsPushButtonType(DWORD type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsCheckBoxType(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool IsInside(HWND window, LPARAM point) {
    CRect client;
    CWnd::FromHandle(window)->GetClientRect(&client);
    return client.PtInRect(CPoint(GET_X_LPARAM(point), GET_Y_LPARAM(point)));
}

// The low style bits mean other things in other classes: only buttons are looked at.
bool IsPushButtonRecord(const platform::WindowRecord* record) {
    return record && record->windowClass == &platform::ButtonWindowClass() &&
           IsPushButtonType(record->style & BS_TYPEMASK);
}

void SetDefaultLook(HWND button, bool isDefault) {
    platform::WindowRecord* record = platform::FindWindowRecord(button);
    if (IsPushButtonRecord(record)) {
        record->style = (record->style & ~BS_TYPEMASK) | (isDefault ? BS_DEFPUSHBUTTON : 0);
    }
}

// The push buttons of a dialog show which one Enter presses: the focused push button, or, while
// the focus is elsewhere, the dialog's default button.
void ShowDefaultLook(HWND dialog, HWND focusedButton) {
    const LRESULT defaultId = SendMessage(dialog, DM_GETDEFID);
    const platform::WindowRecord* record = platform::FindWindowRecord(dialog);
    if (!record || HIWORD(defaultId) != DC_HASDEFID) {
        return;
    }
    for (const HWND child : record->children) {
        const bool isDefault = focusedButton ? child == focusedButton
                                             : platform::FindWindowRecord(child)->id ==
                                                   static_cast<int>(LOWORD(defaultId));
        SetDefaultLook(child, isDefault);
    }
}

bool IsPushButtonOf(HWND window, HWND parent) {
    const platform::WindowRecord* record = platform::FindWindowRecord(window);
    return IsPushButtonRecord(record) && record->parent == parent;
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
            // Released outside the button, the press is taken back.
            if (state->pressed) {
                state->pressed = false;
                if (IsInside(window, lParam)) {
                    Click(window);
                }
            }
            return 0;
        case BM_CLICK:
            if (IsWindowEnabled(window)) {
                Click(window);
            }
            return 0;
        case BM_GETCHECK:
            return state->check;
        case BM_SETCHECK:
            if (IsCheckBoxType(ButtonType(window))) {
                state->check = wParam != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
            }
            return 0;
        case WM_SETFOCUS:
            if (const HWND parent = platform::FindWindowRecord(window)->parent;
                IsPushButtonOf(window, parent)) {
                ShowDefaultLook(parent, window);
            }
            break;
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
            if (const HWND parent = platform::FindWindowRecord(window)->parent;
                IsPushButtonOf(window, parent) &&
                !IsPushButtonOf(reinterpret_cast<HWND>(wParam), parent)) {
                ShowDefaultLook(parent, nullptr);
            }
            break;
        default:
            break;
    }
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
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
