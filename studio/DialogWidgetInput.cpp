#include "studio/DialogWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/Clipboard.h"
#include "platform/window/VirtualKeys.h"
#include "studio/KeyMapping.h"

using platform::kKeyDownFlags;
using platform::kKeyUpFlags;
using platform::WindowSnapshot;

namespace {

CString FromQString(const QString& text) {
    return CString(text.toStdWString().c_str());
}

constexpr wchar_t kPasteCharacter = 0x16;  // Ctrl+V

QString ToQString(const CString& text) {
    return QString::fromStdWString(text.str());
}

LPARAM PointParameter(CPoint point) {
    return MAKELPARAM(point.x, point.y);
}

UINT ModifierKeys(Qt::KeyboardModifiers modifiers) {
    UINT keys = 0;
    if (modifiers.testFlag(Qt::ControlModifier)) {
        keys |= MK_CONTROL;
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        keys |= MK_SHIFT;
    }
    return keys;
}

}  // namespace

std::optional<CPoint> DialogWidget::OriginOf(HWND window) const {
    std::optional<CPoint> found;
    const auto walk = [&](const auto& self, const WindowSnapshot& node, CPoint origin) -> void {
        for (const WindowSnapshot& child : node.children) {
            const CPoint corner(origin.x + child.rect.left, origin.y + child.rect.top);
            if (child.handle == window) {
                found = corner;
                return;
            }
            self(self, child, corner);
        }
    };
    if (window == m_dialog) {
        return CPoint(0, 0);
    }
    walk(walk, m_tree, CPoint(0, 0));
    return found;
}

QPoint DialogWidget::ControlCenter(int id) const {
    const WindowSnapshot* window = m_tree.FindId(id);
    const std::optional<CPoint> origin = window ? OriginOf(window->handle) : std::nullopt;
    if (!origin) {
        return {};
    }
    return m_metrics->ToScreen(
        CPoint(origin->x + window->rect.Width() / 2, origin->y + window->rect.Height() / 2));
}

QPoint DialogWidget::DroppedItemCenter(int comboId, int index) const {
    const WindowSnapshot* combo = m_tree.FindId(comboId);
    const std::optional<CPoint> origin = combo ? OriginOf(combo->handle) : std::nullopt;
    if (!origin) {
        return {};
    }
    const CPoint item = platform::DroppedItemRect(index, combo->rect.Width()).CenterPoint();
    return m_metrics->ToScreen(CPoint(origin->x + item.x, origin->y + item.y));
}

QPoint DialogWidget::CellCenter(int listId, int row, int column) const {
    const WindowSnapshot* list = m_tree.FindId(listId);
    const std::optional<CPoint> origin = list ? OriginOf(list->handle) : std::nullopt;
    CRect cell;
    const auto* control =
        list ? dynamic_cast<const CListCtrl*>(CWnd::FromHandle(list->handle)) : nullptr;
    if (!origin || !control || !control->GetSubItemRect(row, column, LVIR_LABEL, cell)) {
        return {};
    }
    const CPoint middle = cell.CenterPoint();
    return m_metrics->ToScreen(CPoint(origin->x + middle.x, origin->y + middle.y));
}

void DialogWidget::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_loop.IsRunning()) {
        m_loop.Deliver({window, message, wParam, lParam});
    }
}

void DialogWidget::DeliverMouse(UINT message, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_loop.IsRunning()) {
        return;
    }
    const CPoint point = m_metrics->ToWindowSystem(event->position().toPoint());
    const UINT keys = ModifierKeys(event->modifiers());
    if (message == WM_LBUTTONUP) {
        const HWND target = m_capture ? m_capture : platform::HitTestWindow(m_dialog, point).window;
        m_capture = nullptr;
        const std::optional<CPoint> origin = OriginOf(target);
        if (target && origin) {
            Deliver(target, WM_LBUTTONUP, keys,
                    PointParameter(CPoint(point.x - origin->x, point.y - origin->y)));
        }
    } else {
        const platform::WindowHit hit = platform::HitTestWindow(m_dialog, point);
        if (!hit.window) {
            return;
        }
        m_capture = hit.window;
        Deliver(hit.window, message, MK_LBUTTON | keys, PointParameter(hit.point));
    }
    AfterInput();
}

HWND DialogWidget::KeyTarget() const {
    const HWND focus = GetFocus();
    return platform::IsWithin(focus, m_dialog) ? focus : m_dialog;
}

// The key goes down on the window holding the focus, its character follows to that same window,
// and the key comes up on whichever window holds the focus by then.
void DialogWidget::DeliverKey(QKeyEvent* event, bool down) {
    const PlatformKey key = PlatformKeyFor(*event);
    if (!key.virtualKey || (!down && event->isAutoRepeat())) {
        return;
    }
    if (!down) {
        Deliver(KeyTarget(), WM_KEYUP, *key.virtualKey, kKeyUpFlags);
        AfterInput();
        return;
    }
    // The window system's clipboard and the desktop's are one: a paste takes the desktop's text,
    // a copy or cut gives it the copied text.
    if (key.character == kPasteCharacter) {
        platform::SetClipboardText(FromQString(QGuiApplication::clipboard()->text()));
    }
    const CString clipboard = platform::GetClipboardText();
    const HWND target = KeyTarget();
    Deliver(target, WM_KEYDOWN, *key.virtualKey, kKeyDownFlags);
    if (key.character) {
        Deliver(target, WM_CHAR, static_cast<WPARAM>(*key.character), kKeyDownFlags);
    }
    if (platform::GetClipboardText() != clipboard) {
        QGuiApplication::clipboard()->setText(ToQString(platform::GetClipboardText()));
    }
    AfterInput();
}

void DialogWidget::AfterInput() {
    m_loop.Idle();
    if (!m_loop.IsRunning()) {
        if (!m_ended) {
            m_ended = true;
            emit ended();
        }
        return;
    }
    Sync();
}

void DialogWidget::mousePressEvent(QMouseEvent* event) {
    DeliverMouse(WM_LBUTTONDOWN, event);
}

void DialogWidget::mouseReleaseEvent(QMouseEvent* event) {
    DeliverMouse(WM_LBUTTONUP, event);
}

void DialogWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    DeliverMouse(WM_LBUTTONDBLCLK, event);
}

// The wheel turns over the window under the mouse; one that does not scroll hands it on to the
// window around it.
void DialogWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    const CPoint point = m_metrics->ToWindowSystem(event->position().toPoint());
    const platform::WindowHit hit = platform::HitTestWindow(m_dialog, point);
    if (!m_loop.IsRunning() || !hit.window || delta == 0) {
        return;
    }
    Deliver(hit.window, WM_MOUSEWHEEL,
            MAKEWPARAM(ModifierKeys(event->modifiers()), static_cast<UINT>(delta)),
            PointParameter(hit.point));
    AfterInput();
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    DeliverKey(event, true);
}

void DialogWidget::keyReleaseEvent(QKeyEvent* event) {
    DeliverKey(event, false);
}

// The close box is the dialog's: the window system decides what it does.
void DialogWidget::closeEvent(QCloseEvent* event) {
    if (m_loop.IsRunning()) {
        event->ignore();
        Deliver(m_dialog, WM_NCLBUTTONDOWN, HTCLOSE, 0);
        AfterInput();
    }
}

// While a dialog is open its keys are its own, not the application's shortcuts.
bool DialogWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress:
            DeliverKey(static_cast<QKeyEvent*>(event), true);
            return true;
        case QEvent::KeyRelease:
            DeliverKey(static_cast<QKeyEvent*>(event), false);
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}
