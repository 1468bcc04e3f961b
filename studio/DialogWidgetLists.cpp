#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "platform/window/CListCtrl.h"
#include "platform/window/WindowStyles.h"
#include "studio/DialogWidget.h"
#include "studio/FocusCue.h"

using platform::WindowSnapshot;

namespace {

QString ToQString(const CString& text) {
    return QString::fromStdWString(text.str());
}

// A list shows its selected rows highlighted while it has the focus; without the focus they show
// in the face colour with LVS_SHOWSELALWAYS, and not at all without it.
void ShowListSelection(const WindowSnapshot& list, QTableWidget& table) {
    QPalette palette = table.palette();
    const QPalette base = table.style()->standardPalette();
    QColor fill = base.color(QPalette::Active, QPalette::Highlight);
    QColor text = base.color(QPalette::Active, QPalette::HighlightedText);
    if (!list.focused) {
        const bool always = (list.style & LVS_SHOWSELALWAYS) != 0;
        fill = always ? base.color(QPalette::Button) : base.color(QPalette::Base);
        text = always ? base.color(QPalette::ButtonText) : base.color(QPalette::Text);
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, fill);
        palette.setColor(group, QPalette::HighlightedText, text);
    }
    table.setPalette(palette);
}

// The columns and the rows from the first shown: as many as fit, and the one cut off below.
void ShowRows(const WindowSnapshot& window, QTableWidget& table, const DialogMetrics& metrics) {
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
    const int count = static_cast<int>(window.rows.size());
    const int shown = std::clamp(count - window.topRow, 0, window.rowsPerPage + 1);
    table.setRowCount(shown);
    for (int line = 0; line < shown; ++line) {
        table.setRowHeight(line, metrics.ToScreen(CPoint(0, CListCtrl::kRowHeight)).y());
        const std::vector<CString>& cells =
            window.rows[static_cast<std::size_t>(window.topRow + line)];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = table.item(line, static_cast<int>(column));
            if (!item) {
                item = new QTableWidgetItem;
                table.setItem(line, static_cast<int>(column), item);
            }
            item->setText(ToQString(cells[column]));
        }
    }
    table.clearSelection();
    for (int row : window.selectedRows) {
        if (row >= window.topRow && row < window.topRow + shown) {
            table.selectionModel()->select(table.model()->index(row - window.topRow, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    ShowListSelection(window, table);
    table.verticalScrollBar()->setValue(0);
}

int ColumnsWidth(const WindowSnapshot& window) {
    int width = 0;
    for (const auto& column : window.columns) {
        width += column.width;
    }
    return width;
}

}  // namespace

// The table fills the list's client area alone: the scroll bars lie beside and below it, so
// they cover no cell. The columns scroll by the list's horizontal origin.
void DialogWidget::ShowList(const WindowSnapshot& window, QTableWidget& table,
                            const QRect& screen) {
    ShowRows(window, table, *m_metrics);
    const bool vertical = (window.style & WS_VSCROLL) != 0;
    const bool horizontal = (window.style & WS_HSCROLL) != 0;
    const QPoint bars =
        m_metrics->ToScreen(CPoint(vertical ? kScrollBarSize : 0, horizontal ? kScrollBarSize : 0));
    const QRect client(screen.topLeft(), screen.size() - QSize(bars.x(), bars.y()));
    table.resize(client.size());

    const int clientWidth = window.rect.Width() - (vertical ? kScrollBarSize : 0);
    ShowScrollBar(window, Qt::Vertical,
                  {std::max(static_cast<int>(window.rows.size()) - window.rowsPerPage, 0),
                   window.rowsPerPage, window.topRow},
                  QRect(client.right() + 1, screen.top(), bars.x(), client.height()));
    ShowScrollBar(
        window, Qt::Horizontal,
        {std::max(ColumnsWidth(window) - clientWidth, 0), clientWidth, window.horizontalOrigin},
        QRect(screen.left(), client.bottom() + 1, client.width(), bars.y()));
    table.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScrollBar* columns = table.horizontalScrollBar();
    const int origin = m_metrics->ToScreen(CPoint(window.horizontalOrigin, 0)).x();
    columns->setRange(0, std::max(columns->maximum(), origin));
    columns->setValue(origin);

    const int headerHeight = m_metrics->ToScreen(CPoint(0, CListCtrl::kHeaderHeight)).y();
    QWidget* rows = RowsAreaOf(window.handle);
    rows->setGeometry(client.adjusted(0, headerHeight, 0, 0));
    rows->setVisible(window.visible);
}

void DialogWidget::ShowScrollBar(const WindowSnapshot& window, Qt::Orientation orientation,
                                 const ScrollRange& range, const QRect& screen) {
    const DWORD style = orientation == Qt::Vertical ? WS_VSCROLL : WS_HSCROLL;
    QScrollBar* bar = ScrollBarFor(window.handle, orientation);
    bar->setGeometry(screen);
    bar->setRange(0, range.maximum);
    bar->setPageStep(range.page);
    bar->setValue(range.value);
    bar->setEnabled(window.enabled);
    bar->setVisible((window.style & style) != 0 && window.visible);
}

// The bar's parts act as the platform's scroll bar does: each click and each step of a drag is
// a WM_VSCROLL or WM_HSCROLL to the list, and the list decides where it scrolls to.
QScrollBar* DialogWidget::ScrollBarFor(HWND list, Qt::Orientation orientation) {
    const auto key = std::make_pair(list, orientation);
    if (auto found = m_scrollBars.find(key); found != m_scrollBars.end()) {
        return found->second;
    }
    auto* bar = new QScrollBar(orientation, this);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setSingleStep(1);
    const UINT message = orientation == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, list, message](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                ScrollList(list, message, SB_LINEUP, 0);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                ScrollList(list, message, SB_LINEDOWN, 0);
                break;
            case QAbstractSlider::SliderPageStepSub:
                ScrollList(list, message, SB_PAGEUP, 0);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                ScrollList(list, message, SB_PAGEDOWN, 0);
                break;
            case QAbstractSlider::SliderToMinimum:
                ScrollList(list, message, SB_TOP, 0);
                break;
            case QAbstractSlider::SliderToMaximum:
                ScrollList(list, message, SB_BOTTOM, 0);
                break;
            case QAbstractSlider::SliderMove:
                ScrollList(list, message, SB_THUMBTRACK, bar->sliderPosition());
                break;
            default:
                break;
        }
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, list, message] {
        ScrollList(list, message, SB_THUMBPOSITION, bar->sliderPosition());
        ScrollList(list, message, SB_ENDSCROLL, 0);
    });
    m_scrollBars.emplace(key, bar);
    return bar;
}

QWidget* DialogWidget::RowsAreaOf(HWND list) {
    if (auto found = m_rowsAreas.find(list); found != m_rowsAreas.end()) {
        return found->second;
    }
    auto* rows = new QWidget(this);
    rows->setAttribute(Qt::WA_TransparentForMouseEvents);
    rows->setFocusPolicy(Qt::NoFocus);
    m_rowsAreas.emplace(list, rows);
    return rows;
}

void DialogWidget::ScrollList(HWND list, UINT message, UINT code, int position) {
    Deliver(list, message, MAKEWPARAM(code, static_cast<UINT>(position)), 0);
    AfterInput();
}

QScrollBar* DialogWidget::ListScrollBar(int listId, Qt::Orientation orientation) const {
    const WindowSnapshot* list = m_tree.FindId(listId);
    const auto found =
        list ? m_scrollBars.find(std::make_pair(list->handle, orientation)) : m_scrollBars.end();
    return found == m_scrollBars.end() ? nullptr : found->second;
}
