#pragma once

#include "platform/window/CWnd.h"
#include "platform/window/WindowManager.h"

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// Push buttons, check boxes and group boxes. A click (the mouse pressed and released on the
// button, the Space key pressed and released on it, or BM_CLICK) sends BN_CLICKED to the parent;
// an automatic check box toggles first, so the parent reads the new state. A press released
// outside the button clicks nothing. On a dialog the default look (BS_DEFPUSHBUTTON) follows the
// focus among the push buttons and returns to the dialog's default button when the focus leaves
// them.
class CButton : public CWnd {
public:
    int GetCheck() const;
    // Sends nothing. Check boxes have two states: any non-zero state checks the box; a push
    // button or group box has none and keeps unchecked.
    void SetCheck(int check);
    // The button type, one of the BS_ values.
    UINT GetButtonStyle() const;
};

namespace platform {
const WindowClass& ButtonWindowClass();
}
