#include "studio/DialogWidget.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "platform/Utf.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/Clipboard.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowStyles.h"
#include "studio/KeyMapping.h"

using platform::kKeyDownFlags;
using platform::kKeyUpFlags;
using platform::WindowKind;
using platform::WindowSnapshot;

namespace {

constexpr int kBalloonGap = 2;
constexpr int kBalloonWidth = 280;

QString ToQString(const CString& text) {
    return QString::fromStdWString(text.str());
}

CString FromQString(const QString& text) {
    return CString(text.toStdWString().c_str());
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

QWidget* MakeWidget(const WindowSnapshot& window, QWidget* parent) {
    switch (window.kind) {
        case WindowKind::Button:
            return new QPushButton(parent);
        case WindowKind::CheckBox:
            return new QCheckBox(parent);
        case WindowKind::GroupBox:
            return new QGroupBox(parent);
        case WindowKind::Edit:
            if (window.style & ES_MULTILINE) {
                return new QPlainTextEdit(parent);
            }
            return new QLineEdit(parent);
        case WindowKind::ComboBox:
            return new QComboBox(parent);
        case WindowKind::ListView: {
            auto* table = new QTableWidget(parent);
            table->verticalHeader()->hide();
            table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            return table;
        }
        case WindowKind::Static: {
            auto* label = new QLabel(parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        default:
            return nullptr;
    }
}

void ShowEdit(const WindowSnapshot& window, QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != ToQString(window.text)) {
            line->setText(ToQString(window.text));
        }
        const int start = std::max(window.selectionStart, 0);
        const int end = window.selectionEnd < 0 ? line->text().size() : window.selectionEnd;
        line->setCursorPosition(end);
        if (start != end) {
            line->setSelection(start, end - start);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        if (box->toPlainText() != ToQString(window.text)) {
            box->setPlainText(ToQString(window.text));
        }
    }
}

void ShowCombo(const WindowSnapshot& window, QComboBox& combo) {
    QStringList items;
    for (const CString& item : window.items) {
        items.push_back(ToQString(item));
    }
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) {
        shown.push_back(combo.itemText(i));
    }
    if (shown != items) {
        combo.clear();
        combo.addItems(items);
    }
    combo.setCurrentIndex(window.selection);
}

void ShowList(const WindowSnapshot& window, QTableWidget& table, const DialogMetrics& metrics) {
    table.setColumnCount(static_cast<int>(window.columns.size()));
    QStringList headings;
    for (std::size_t column = 0; column < window.columns.size(); ++column) {
        headings.push_back(ToQString(window.columns[column].heading));
        table.setColumnWidth(static_cast<int>(column),
                             metrics.ToScreen(CPoint(window.columns[column].width, 0)).x());
    }
    table.setHorizontalHeaderLabels(headings);
    table.horizontalHeader()->setFixedHeight(
        metrics.ToScreen(CPoint(0, CListCtrl::kHeaderHeight)).y());
    table.setRowCount(static_cast<int>(window.rows.size()));
    for (std::size_t row = 0; row < window.rows.size(); ++row) {
        table.setRowHeight(static_cast<int>(row),
                           metrics.ToScreen(CPoint(0, CListCtrl::kRowHeight)).y());
        for (std::size_t column = 0; column < window.rows[row].size(); ++column) {
            auto* item = table.item(static_cast<int>(row), static_cast<int>(column));
            if (!item) {
                item = new QTableWidgetItem;
                table.setItem(static_cast<int>(row), static_cast<int>(column), item);
            }
            item->setText(ToQString(window.rows[row][column]));
        }
    }
    table.clearSelection();
    for (int row : window.selectedRows) {
        table.selectionModel()->select(table.model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    table.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table.verticalScrollBar()->setValue(window.topRow);
}

void ShowState(const WindowSnapshot& window, QWidget* widget, const DialogMetrics& metrics) {
    const QString text = ToQString(window.text);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
        button->setDefault(window.defaultButton);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setText(text);
        check->setChecked(window.check != 0);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        ShowCombo(window, *combo);
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        ShowList(window, *table, metrics);
    } else {
        ShowEdit(window, widget);
    }
}

}  // namespace

DialogWidget::DialogWidget(platform::ModalLoop& loop, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_loop(loop), m_dialog(loop.Dialog().m_hWnd) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    m_tree = platform::TakeWindowSnapshot(m_dialog);
    m_metrics = std::make_unique<DialogMetrics>(m_tree);
    setFont(m_metrics->Font());
    m_balloon = new QLabel(this);
    m_balloon->setObjectName(QStringLiteral("balloon"));
    m_balloon->setWordWrap(true);
    m_balloon->setStyleSheet(QStringLiteral(
        "QLabel#balloon { background: #ffffe1; color: black; border: 1px solid #767676;"
        " border-radius: 6px; padding: 4px; }"));
    m_balloon->hide();
    m_droppedList = new QListWidget(this);
    m_droppedList->setFrameShape(QFrame::NoFrame);
    m_droppedList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_droppedList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_droppedList->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid #767676; }"));
    m_droppedList->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_droppedList->setFocusPolicy(Qt::NoFocus);
    m_droppedList->hide();
    Sync();
}

DialogWidget::~DialogWidget() = default;

void DialogWidget::Sync() {
    if (m_drawn && platform::WindowRevision() == m_revision) {
        return;
    }
    m_tree = platform::TakeWindowSnapshot(m_dialog);
    m_revision = platform::WindowRevision();
    m_drawn = true;
    if (!m_tree.handle) {
        return;
    }
    setWindowTitle(ToQString(m_tree.text));
    setFixedSize(
        m_metrics->ToScreen(CRect(0, 0, m_tree.rect.Width(), m_tree.rect.Height())).size());
    std::map<HWND, QWidget*> previous = std::move(m_widgets);
    m_widgets.clear();
    for (const WindowSnapshot& child : m_tree.children) {
        if (auto found = previous.find(child.handle); found != previous.end()) {
            m_widgets.insert(*found);
            previous.erase(found);
        }
    }
    m_balloon->hide();
    m_droppedList->hide();
    for (const WindowSnapshot& child : m_tree.children) {
        SyncWindow(child, CPoint(0, 0));
    }
    if (m_tree.focused) {
        setFocus(Qt::OtherFocusReason);
    }
    // Tips and dropped lists lie over every control.
    m_droppedList->raise();
    m_balloon->raise();
    for (auto& [handle, widget] : previous) {
        if (!m_widgets.contains(handle)) {
            delete widget;
        }
    }
}

void DialogWidget::SyncWindow(const WindowSnapshot& window, CPoint origin) {
    QWidget* widget = WidgetFor(window);
    CRect rect = window.rect;
    rect.OffsetRect(origin.x, origin.y);
    if (widget) {
        widget->setGeometry(m_metrics->ToScreen(rect));
        widget->setEnabled(window.enabled);
        ShowState(window, widget, *m_metrics);
        widget->setVisible(window.visible);
        if (window.focused && window.visible) {
            widget->setFocus(Qt::OtherFocusReason);
        }
        widget->raise();
    }
    if (window.visible && window.balloonTip) {
        ShowBalloon(window, origin);
    }
    if (window.visible && window.dropped) {
        ShowDroppedList(window, origin);
    }
    for (const WindowSnapshot& child : window.children) {
        SyncWindow(child, CPoint(rect.left, rect.top));
    }
}

QWidget* DialogWidget::WidgetFor(const WindowSnapshot& window) {
    if (auto found = m_widgets.find(window.handle); found != m_widgets.end()) {
        return found->second;
    }
    QWidget* widget = MakeWidget(window, this);
    if (!widget) {
        return nullptr;
    }
    widget->setObjectName(QString::number(window.id));
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->installEventFilter(this);
    for (QWidget* inner : widget->findChildren<QWidget*>()) {
        inner->installEventFilter(this);
        inner->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_widgets.emplace(window.handle, widget);
    return widget;
}

void DialogWidget::ShowBalloon(const WindowSnapshot& edit, CPoint origin) {
    const platform::BalloonTip& tip = *edit.balloonTip;
    m_balloon->setText(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(ToQString(tip.title).toHtmlEscaped(), ToQString(tip.text).toHtmlEscaped()));
    const QRect box =
        m_metrics->ToScreen(CRect(origin.x + edit.rect.left, origin.y + edit.rect.top,
                                  origin.x + edit.rect.right, origin.y + edit.rect.bottom));
    const int bubbleWidth =
        std::max(std::min(kBalloonWidth, width() - box.left() - kBalloonGap), box.width());
    m_balloon->setFixedWidth(bubbleWidth);
    m_balloon->setFixedHeight(m_balloon->heightForWidth(bubbleWidth));
    m_balloon->move(box.left(), box.bottom() + kBalloonGap);
    m_balloon->show();
}

void DialogWidget::ShowDroppedList(const WindowSnapshot& combo, CPoint origin) {
    m_droppedList->clear();
    const CRect first = platform::DroppedItemRect(0, combo.rect.Width());
    const QSize itemSize = m_metrics->ToScreen(first).size();
    for (const CString& item : combo.items) {
        auto* row = new QListWidgetItem(ToQString(item), m_droppedList);
        row->setSizeHint(itemSize);
    }
    m_droppedList->setCurrentRow(combo.selection);
    const int count = static_cast<int>(combo.items.size());
    const CRect last = platform::DroppedItemRect(std::max(count - 1, 0), combo.rect.Width());
    CRect area(first.left, first.top, last.right, last.bottom);
    area.OffsetRect(origin.x + combo.rect.left, origin.y + combo.rect.top);
    m_droppedList->setGeometry(m_metrics->ToScreen(area));
    m_droppedList->scrollToTop();
    m_droppedList->show();
}

QWidget* DialogWidget::ControlWidget(int id) const {
    if (const WindowSnapshot* window = m_tree.FindId(id)) {
        if (auto found = m_widgets.find(window->handle); found != m_widgets.end()) {
            return found->second;
        }
    }
    return nullptr;
}

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
    if (*key.virtualKey == 'V' && key.character) {
        platform::SetClipboardText(FromQString(QGuiApplication::clipboard()->text()));
    }
    const HWND target = KeyTarget();
    Deliver(target, WM_KEYDOWN, *key.virtualKey, kKeyDownFlags);
    if (key.character) {
        Deliver(target, WM_CHAR, static_cast<WPARAM>(*key.character), kKeyDownFlags);
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
