#include "studio/DroppedListPopup.h"

#include <QListWidget>
#include <QScrollBar>

#include "platform/window/DroppedList.h"
#include "studio/DialogMetrics.h"

using platform::DroppedListLayout;

DroppedListPopup::DroppedListPopup(QWidget* dialog)
    : QFrame(dialog, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_rows(new QListWidget(this)),
      m_scrollBar(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("droppedList"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    m_rows->setFrameShape(QFrame::NoFrame);
    m_rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QWidget* inner :
         {static_cast<QWidget*>(m_rows), m_rows->viewport(), static_cast<QWidget*>(m_scrollBar)}) {
        inner->setAttribute(Qt::WA_TransparentForMouseEvents);
        inner->setFocusPolicy(Qt::NoFocus);
    }
}

void DroppedListPopup::ShowList(const platform::WindowSnapshot& list, const QRect& onScreen,
                                const DialogMetrics& metrics) {
    const DroppedListLayout layout = platform::LayoutOf(list);
    m_rows->clear();
    const int itemHeight = metrics.ToScreen(CPoint(0, DroppedListLayout::kItemHeight)).y();
    for (int index = layout.first; layout.Shows(index); ++index) {
        auto* row = new QListWidgetItem(
            QString::fromStdWString(list.items[static_cast<std::size_t>(index)].str()), m_rows);
        row->setSizeHint(QSize(0, itemHeight));
    }
    m_rows->setCurrentRow(layout.Shows(list.selection) ? list.selection - layout.first : -1);
    setGeometry(onScreen);
    // The rows and the scroll bar lie inside the frame.
    const QRect inside = contentsRect();
    const int scrollBarLeft =
        metrics.ToScreen(CPoint(layout.width - DroppedListLayout::kScrollBarWidth, 0)).x();
    const int rowsRight = layout.HasScrollBar() ? scrollBarLeft : inside.right() + 1;
    m_rows->setGeometry(inside.left(), inside.top(), rowsRight - inside.left(), inside.height());
    m_scrollBar->setVisible(layout.HasScrollBar());
    m_scrollBar->setGeometry(rowsRight, inside.top(), inside.right() + 1 - rowsRight,
                             inside.height());
    m_scrollBar->setRange(0, std::max(layout.count - layout.rows, 0));
    m_scrollBar->setPageStep(layout.rows);
    m_scrollBar->setValue(layout.first);
    show();
    raise();
}
