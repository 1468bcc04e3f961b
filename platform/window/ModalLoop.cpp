#include "platform/window/ModalLoop.h"

#include <utility>

#include "platform/window/KeyboardState.h"

namespace platform {
namespace {

IModalInputSource* g_pInputSource = nullptr;

}  // namespace

void ModalLoop::Deliver(MSG message) {
    RecordKeyMessage(message);
    if (!IsRunning() || !IsWindowEnabled(message.hwnd)) {
        return;
    }
    if (PreTranslate(message) || !IsRunning() || m_dialog.IsDialogMessage(&message)) {
        return;
    }
    SendMessage(message.hwnd, message.message, message.wParam, message.lParam);
}

void ModalLoop::Idle() {
    if (!IsRunning()) {
        return;
    }
    MSG idle{m_dialog.m_hWnd, WM_NULL, 0, 0};
    if (!PreTranslate(idle)) {
        SendMessage(idle.hwnd, idle.message, idle.wParam, idle.lParam);
    }
}

void ModalLoop::Run() {
    ReleaseAllKeys();
    Idle();
    if (g_pInputSource && IsRunning()) {
        g_pInputSource->Drive(*this);
    }
    if (IsRunning()) {
        m_dialog.EndDialog(IDCANCEL);
    }
}

bool ModalLoop::PreTranslate(MSG& message) {
    HWND window = message.hwnd;
    while (WindowRecord* record = FindWindowRecord(window)) {
        const HWND parent = record->parent;
        if (record->object->PreTranslateMessage(&message)) {
            return true;
        }
        if (window == m_dialog.m_hWnd) {
            break;
        }
        window = parent;
    }
    return false;
}

IModalInputSource* GetModalInputSource() {
    return g_pInputSource;
}

IModalInputSource* SetModalInputSource(IModalInputSource* source) {
    return std::exchange(g_pInputSource, source);
}

}  // namespace platform
