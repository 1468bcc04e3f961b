#include "studio/DialogWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWhatsThis>
#include <QWheelEvent>
#include <functional>

#include "platform/window/CListCtrl.h"
#include "platform/window/Clipboard.h"
#include "platform/window/DroppedList.h"
#include "platform/window/VirtualKeys.h"
#include "studio/DroppedListPopup.h"
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

std::optional<CRect> DialogWidget::DroppedListRect(int comboId) const {
    const WindowSnapshot* combo = m_tree.FindId(comboId);
    if (!combo || combo->popups.empty()) {
        return std::nullopt;
    }
    const CRect dialog = platform::ScreenRectOf(m_dialog);
    CRect list = combo->popups.front().rect;
    list.OffsetRect(-dialog.left, -dialog.top);
    return list;
}

QPoint DialogWidget::DroppedItemCenter(int comboId, int index) const {
    return DroppedPartCenter(comboId, [index](const platform::DroppedListLayout& layout) {
        return layout.ItemRect(index);
    });
}

QPoint DialogWidget::DroppedArrowCenter(int comboId, bool down) const {
    return DroppedPartCenter(comboId, [down](const platform::DroppedListLayout& layout) {
        return layout.ArrowRect(down);
    });
}

QPoint DialogWidget::DroppedPartCenter(
    int comboId, const std::function<CRect(const platform::DroppedListLayout&)>& partOf) const {
    const std::optional<CRect> list = DroppedListRect(comboId);
    const CRect part =
        list ? partOf(platform::LayoutOf(m_tree.FindId(comboId)->popups.front())) : CRect();
    if (part.IsRectEmpty()) {
        return {};
    }
    const CPoint middle = part.CenterPoint();
    return m_metrics->ToScreen(CPoint(list->left + middle.x, list->top + middle.y));
}

QWidget* DialogWidget::DroppedList() const {
    return m_droppedList->isVisible() ? m_droppedList : nullptr;
}

void DialogWidget::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_loop.IsRunning()) {
        m_loop.Deliver({window, message, wParam, lParam});
    }
}

CPoint DialogWidget::ToDialog(QPointF global) const {
    return m_metrics->ToWindowSystem(global.toPoint() - mapToGlobal(QPoint(0, 0)));
}

void DialogWidget::TellScreenArea() {
    const QScreen* shown = screen();
    if (!shown) {
        return;
    }
    const QRect available = shown->availableGeometry();
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    const CRect dialog = platform::ScreenRectOf(m_dialog);
    const CPoint topLeft = m_metrics->ToWindowSystem(available.topLeft() - corner);
    const CPoint bottomRight =
        m_metrics->ToWindowSystem(available.bottomRight() + QPoint(1, 1) - corner);
    platform::SetScreenArea(CRect(dialog.left + topLeft.x, dialog.top + topLeft.y,
                                  dialog.left + bottomRight.x, dialog.top + bottomRight.y));
}

HWND DialogWidget::MouseTargetAt(UINT message, CPoint& point) const {
    if (GetCapture()) {
        return platform::MouseTarget(m_dialog, point);
    }
    if (message == WM_LBUTTONUP && IsWindow(m_capture)) {
        point = platform::MapPoint(m_dialog, m_capture, point);
        return m_capture;
    }
    const platform::WindowHit hit = platform::HitTestWindow(m_dialog, point);
    point = hit.point;
    return hit.window;
}

void DialogWidget::DeliverMouse(UINT message, QMouseEvent* event) {
    const bool move = message == WM_MOUSEMOVE;
    if ((!move && event->button() != Qt::LeftButton) || !m_loop.IsRunning() ||
        (move && !GetCapture())) {
        return;
    }
    TellScreenArea();
    CPoint point = ToDialog(event->globalPosition());
    const HWND target = MouseTargetAt(message, point);
    if (!target) {
        return;
    }
    const UINT keys = ModifierKeys(event->modifiers()) |
                      (event->buttons().testFlag(Qt::LeftButton) ? MK_LBUTTON : 0);
    m_capture = message == WM_LBUTTONUP ? nullptr : move ? m_capture : target;
    Deliver(target, message, keys, PointParameter(point));
    AfterInput();
}

void DialogWidget::wheelEvent(QWheelEvent* event) {
    if (!m_loop.IsRunning() || event->angleDelta().y() == 0) {
        return;
    }
    CPoint point = ToDialog(event->globalPosition());
    if (const HWND target = MouseTargetAt(WM_MOUSEWHEEL, point)) {
        const auto turn = static_cast<UINT>(static_cast<std::uint16_t>(event->angleDelta().y()));
        Deliver(target, WM_MOUSEWHEEL, MAKEWPARAM(ModifierKeys(event->modifiers()), turn),
                PointParameter(point));
        AfterInput();
    }
}

// The dropped list's window takes no input: its mouse is the window system's, as the dialog's.
bool DialogWidget::DeliverPopupInput(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            DeliverMouse(WM_LBUTTONDOWN, static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            DeliverMouse(WM_LBUTTONUP, static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonDblClick:
            DeliverMouse(WM_LBUTTONDBLCLK, static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            DeliverMouse(WM_MOUSEMOVE, static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::Wheel:
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        default:
            return false;
    }
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
        Deliver(KeyTarget(), key.alt ? WM_SYSKEYUP : WM_KEYUP, *key.virtualKey,
                kKeyUpFlags | (key.alt ? platform::kAltHeldFlag : 0));
        AfterInput();
        return;
    }
    // The window system's clipboard and the desktop's are one: a paste takes the desktop's text,
    // a copy or cut gives it the copied text.
    if (key.character == kPasteCharacter) {
        platform::SetClipboardText(FromQString(QGuiApplication::clipboard()->text()));
    }
    TellScreenArea();
    const CString clipboard = platform::GetClipboardText();
    const HWND target = KeyTarget();
    Deliver(target, key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, *key.virtualKey,
            kKeyDownFlags | (key.alt ? platform::kAltHeldFlag : 0));
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

void DialogWidget::mouseMoveEvent(QMouseEvent* event) {
    DeliverMouse(WM_MOUSEMOVE, event);
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

// While a dialog is open its keys are its own, not the application's shortcuts. The caption's
// help button is the dialog's too: the window system decides what it opens.
bool DialogWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::EnterWhatsThisMode) {
        QWhatsThis::leaveWhatsThisMode();
        Deliver(m_dialog, WM_NCLBUTTONDOWN, HTHELP, 0);
        AfterInput();
        return true;
    }
    return QWidget::event(event);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_droppedList && DeliverPopupInput(event)) {
        return true;
    }
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
