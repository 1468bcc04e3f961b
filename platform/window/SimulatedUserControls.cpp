#include "platform/window/SimulatedUser.h"

#include <string>

namespace platform {

UserActionResult SimulatedUser::Failed(const CString& reason) {
    return {false, reason};
}

CString SimulatedUser::ControlName(int id) {
    return L"control " + CString(std::to_wstring(id));
}

DialogView SimulatedUser::View() const {
    DialogView view = DescribeDialog(IsOpen() ? m_loop.Dialog().m_hWnd : nullptr);
    view.messages = m_messages;
    return view;
}

std::optional<ControlView> SimulatedUser::Control(int id) const {
    DialogView view = View();
    for (ControlView& control : view.controls) {
        if (control.id == id) {
            return std::move(control);
        }
    }
    return std::nullopt;
}

CString SimulatedUser::Text(int id) const {
    const std::optional<ControlView> control = Control(id);
    return control ? control->text : CString();
}

std::optional<int> SimulatedUser::FocusId() const {
    return View().focusId;
}

UserActionResult SimulatedUser::Reach(int id, HWND& window) const {
    if (!IsOpen()) {
        return Failed(L"no dialog is open");
    }
    window = FindDescendant(m_loop.Dialog().m_hWnd, id);
    if (!window) {
        return Failed(L"the dialog has no " + ControlName(id));
    }
    if (!IsWindowVisible(window)) {
        return Failed(ControlName(id) + L" is hidden");
    }
    if (!IsWindowEnabled(window)) {
        return Failed(ControlName(id) + L" is disabled");
    }
    return {};
}

UserActionResult SimulatedUser::ReachEditBox(int id, HWND& window) {
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    if (!dynamic_cast<const CEdit*>(FindWindowRecord(window)->standIn.get())) {
        return Failed(ControlName(id) + L" is not an edit box");
    }
    SelectWholeText(window);
    if (!IsOpen() || GetFocus() != window) {
        return Failed(ControlName(id) + L" did not keep the focus");
    }
    return {};
}

void SimulatedUser::SelectWholeText(HWND box) {
    if (GetFocus() == box) {
        SendMessage(box, EM_SETSEL, 0, -1);
    } else {
        m_loop.Dialog().GotoDlgCtrl(CWnd::FromHandle(box));
    }
    m_loop.Idle();
}

HWND SimulatedUser::KeyTarget() const {
    const HWND dialog = m_loop.Dialog().m_hWnd;
    const HWND focus = GetFocus();
    return IsWithin(focus, dialog) ? focus : dialog;
}

}  // namespace platform
