#include "studio/DialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextCursor>

#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/WindowStyles.h"

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
        // The caret is where the next character goes in: the selection's end.
        const int length = static_cast<int>(box->toPlainText().size());
        const int end = window.selectionEnd < 0 ? length : std::min(window.selectionEnd, length);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(std::clamp(window.selectionStart, 0, end));
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
    m_droppedList->hide();
    for (const WindowSnapshot& child : m_tree.children) {
        SyncWindow(child, CPoint(0, 0), this);
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
