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

}  // namespace

void DialogWidget::ShowList(const WindowSnapshot& window, QTableWidget& table,
                            const QRect& screen) {
    ShowRows(window, table, *m_metrics);
    const bool scrolls = (window.style & WS_VSCROLL) != 0;
    const int barWidth =
        scrolls ? m_metrics->ToScreen(CPoint(CListCtrl::kScrollBarWidth, 0)).x() : 0;
    QScrollBar* bar = ScrollBarFor(window.handle);
    bar->setGeometry(screen.left() + screen.width() - barWidth, screen.top(), barWidth,
                     screen.height());
    bar->setRange(0, std::max(static_cast<int>(window.rows.size()) - window.rowsPerPage, 0));
    bar->setPageStep(window.rowsPerPage);
    bar->setValue(window.topRow);
    bar->setEnabled(window.enabled);
    bar->setVisible(scrolls && window.visible);
    const int headerHeight = m_metrics->ToScreen(CPoint(0, CListCtrl::kHeaderHeight)).y();
    QWidget* rows = RowsAreaOf(window.handle);
    rows->setGeometry(screen.left(), screen.top() + headerHeight, screen.width() - barWidth,
                      screen.height() - headerHeight);
    rows->setVisible(window.visible);
}

// The bar's parts act as the platform's scroll bar does: each click and each step of a drag is
// a WM_VSCROLL to the list, and the list decides where it scrolls to.
QScrollBar* DialogWidget::ScrollBarFor(HWND list) {
    if (auto found = m_scrollBars.find(list); found != m_scrollBars.end()) {
        return found->second;
    }
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setSingleStep(1);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, list](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                ScrollList(list, SB_LINEUP, 0);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                ScrollList(list, SB_LINEDOWN, 0);
                break;
            case QAbstractSlider::SliderPageStepSub:
                ScrollList(list, SB_PAGEUP, 0);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                ScrollList(list, SB_PAGEDOWN, 0);
                break;
            case QAbstractSlider::SliderToMinimum:
                ScrollList(list, SB_TOP, 0);
                break;
            case QAbstractSlider::SliderToMaximum:
                ScrollList(list, SB_BOTTOM, 0);
                break;
            case QAbstractSlider::SliderMove:
                ScrollList(list, SB_THUMBTRACK, bar->sliderPosition());
                break;
            default:
                break;
        }
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, list] {
        ScrollList(list, SB_THUMBPOSITION, bar->sliderPosition());
        ScrollList(list, SB_ENDSCROLL, 0);
    });
    m_scrollBars.emplace(list, bar);
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

void DialogWidget::ScrollList(HWND list, UINT code, int position) {
    Deliver(list, WM_VSCROLL, MAKEWPARAM(code, static_cast<UINT>(position)), 0);
    AfterInput();
}

QScrollBar* DialogWidget::ListScrollBar(int listId) const {
    const WindowSnapshot* list = m_tree.FindId(listId);
    const auto found = list ? m_scrollBars.find(list->handle) : m_scrollBars.end();
    return found == m_scrollBars.end() ? nullptr : found->second;
}
