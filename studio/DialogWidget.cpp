#include "studio/DialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextCursor>

#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/WindowStyles.h"
#include "studio/DroppedListPopup.h"
#include "studio/FocusCue.h"

using platform::WindowKind;
using platform::WindowSnapshot;

namespace {

constexpr int kBalloonGap = 2;
constexpr int kBalloonWidth = 280;

QString ToQString(const CString& text) {
    return QString::fromStdWString(text.str());
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

// The text and, while the box shows it, the selection; the cursor, which the focus cue draws as
// the caret, stands at the end of the selection, where typed text goes in.
void ShowEdit(const WindowSnapshot& window, QWidget* widget) {
    const int start = std::max(window.selectionStart, 0);
    const bool selection = ShowsSelection(window);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != ToQString(window.text)) {
            line->setText(ToQString(window.text));
        }
        const int end = window.selectionEnd < 0 ? line->text().size() : window.selectionEnd;
        line->setCursorPosition(end);
        if (selection && start != end) {
            line->setSelection(start, end - start);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        if (box->toPlainText() != ToQString(window.text)) {
            box->setPlainText(ToQString(window.text));
        }
        QTextCursor cursor = box->textCursor();
        const int length = box->toPlainText().size();
        const int end = window.selectionEnd < 0 ? length : std::min(window.selectionEnd, length);
        cursor.setPosition(selection ? std::min(start, length) : end);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
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

void ShowState(const WindowSnapshot& window, QWidget* widget) {
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
    setWindowFlag(Qt::WindowContextHelpButtonHint, (m_tree.exStyle & WS_EX_CONTEXTHELP) != 0);
    m_balloon = new QLabel(this);
    m_balloon->setObjectName(QStringLiteral("balloon"));
    m_balloon->setWordWrap(true);
    m_balloon->setStyleSheet(QStringLiteral(
        "QLabel#balloon { background: #ffffe1; color: black; border: 1px solid #767676;"
        " border-radius: 6px; padding: 4px; }"));
    m_balloon->hide();
    m_droppedList = new DroppedListPopup(this);
    m_droppedList->installEventFilter(this);
    m_droppedList->hide();
    m_focusCue = new FocusCue(this);
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
    const auto keep = [&](const auto& self, const WindowSnapshot& window) -> void {
        for (const WindowSnapshot& child : window.children) {
            if (auto found = previous.find(child.handle); found != previous.end()) {
                m_widgets.insert(*found);
                previous.erase(found);
            }
            self(self, child);
        }
    };
    keep(keep, m_tree);
    m_balloon->hide();
    m_droppedListShown = false;
    for (const WindowSnapshot& child : m_tree.children) {
        SyncWindow(child, CPoint(0, 0), this);
    }
    if (!m_droppedListShown) {
        m_droppedList->hide();
    }
    // The desktop's keys go to this widget whichever window of the dialog has the focus; the cue
    // shows which one.
    const WindowSnapshot* focused = m_tree.Find(GetFocus());
    if (focused) {
        setFocus(Qt::OtherFocusReason);
    }
    const auto focusedWidget = focused ? m_widgets.find(focused->handle) : m_widgets.end();
    m_focusCue->Follow(focused, focusedWidget == m_widgets.end() ? nullptr : focusedWidget->second);
    // Tips lie over every control and its focus cue.
    m_balloon->raise();
    for (auto& [handle, widget] : previous) {
        if (!m_widgets.contains(handle)) {
            delete widget;
        }
    }
}

void DialogWidget::SyncWindow(const WindowSnapshot& window, CPoint origin, QWidget* container) {
    QWidget* widget = WidgetFor(window, container);
    CRect rect = window.rect;
    rect.OffsetRect(origin.x, origin.y);
    const QRect screen = m_metrics->ToScreen(rect);
    if (widget) {
        widget->setGeometry(screen.translated(container == this ? QPoint() : -container->pos()));
        widget->setEnabled(window.enabled);
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            ShowList(window, *table, screen);
        } else {
            ShowState(window, widget);
        }
        widget->setVisible(window.visible);
        widget->raise();
    }
    if (window.visible && window.balloonTip) {
        ShowBalloon(window, origin);
    }
    for (const WindowSnapshot& popup : window.popups) {
        if (popup.visible && popup.kind == WindowKind::DroppedList) {
            ShowDroppedList(popup);
        }
    }
    QWidget* inner = container;
    if (window.kind == WindowKind::ListView) {
        inner = RowsAreaOf(window.handle);
        inner->raise();
        ScrollBarFor(window.handle, Qt::Vertical)->raise();
        ScrollBarFor(window.handle, Qt::Horizontal)->raise();
    }
    for (const WindowSnapshot& child : window.children) {
        SyncWindow(child, CPoint(rect.left, rect.top), inner);
    }
}

QWidget* DialogWidget::WidgetFor(const WindowSnapshot& window, QWidget* container) {
    if (auto found = m_widgets.find(window.handle); found != m_widgets.end()) {
        if (found->second->parentWidget() != container) {
            found->second->setParent(container);
        }
        return found->second;
    }
    QWidget* widget = MakeWidget(window, container);
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

void DialogWidget::ShowDroppedList(const WindowSnapshot& list) {
    const CRect dialog = platform::ScreenRectOf(m_dialog);
    CRect inDialog = list.rect;
    inDialog.OffsetRect(-dialog.left, -dialog.top);
    const QRect area = m_metrics->ToScreen(inDialog);
    m_droppedList->ShowList(list, QRect(mapToGlobal(area.topLeft()), area.size()), *m_metrics);
    m_droppedListShown = true;
}

QWidget* DialogWidget::ControlWidget(int id) const {
    if (const WindowSnapshot* window = m_tree.FindId(id)) {
        if (auto found = m_widgets.find(window->handle); found != m_widgets.end()) {
            return found->second;
        }
    }
    return nullptr;
}
