#include "studio/DialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/WindowStyles.h"
#include "studio/DroppedListPopup.h"

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
    m_droppedListShown = false;
    for (const WindowSnapshot& child : m_tree.children) {
        SyncWindow(child, CPoint(0, 0));
    }
    if (!m_droppedListShown) {
        m_droppedList->hide();
    }
    if (m_tree.focused) {
        setFocus(Qt::OtherFocusReason);
    }
    // Tips lie over every control.
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
    for (const WindowSnapshot& popup : window.popups) {
        if (popup.visible && popup.kind == WindowKind::DroppedList) {
            ShowDroppedList(popup);
        }
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
