#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/window/DroppedList.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/WindowSnapshot.h"
#include "studio/DialogMetrics.h"

class DroppedListPopup;
class FocusCue;
class QLabel;
class QScrollBar;
class QTableWidget;

// A running modal dialog of the window system on screen. It draws the dialog's window snapshot as
// Qt widgets at the windows' rectangles and hands the person's mouse and keys to the window system
// as the platform's messages, through the modal loop, so the dialog's own handlers do all the
// work; it redraws whenever the window revision moves on. A template asking for the caption's
// help button gets it, where the desktop draws one. The Qt widgets only show: they take no
// input of their own.
class DialogWidget : public QWidget {
    Q_OBJECT

public:
    explicit DialogWidget(platform::ModalLoop& loop, QWidget* parent = nullptr);
    ~DialogWidget() override;

    // Draws what changed in the window system since the last time.
    void Sync();

    // The widget showing the control with this id, or null.
    QWidget* ControlWidget(int id) const;
    // Points on this widget, for whoever acts as the person (tests, the benchmark): a control's
    // middle, a cell of a list; an item of a combo box's dropped list and its scroll bar's
    // arrows, which lie outside the widget when the list hangs beyond it (null points for an
    // item the list does not show).
    QPoint ControlCenter(int id) const;
    QPoint CellCenter(int listId, int row, int column) const;
    QPoint DroppedItemCenter(int comboId, int index) const;
    QPoint DroppedArrowCenter(int comboId, bool down) const;
    // The open dropped list's window, or null.
    QWidget* DroppedList() const;
    // The list's vertical or horizontal scroll bar, or null.
    QScrollBar* ListScrollBar(int listId, Qt::Orientation orientation = Qt::Vertical) const;

signals:
    // The dialog ended; the widget has nothing more to show.
    void ended();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab belongs to the dialog's own keyboard handling.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // Drawing the window snapshot. A window's widget lies in its container: the dialog for a
    // control, the part of a list below its header and beside its scroll bar for a list's own
    // windows (its cell editor), so that nothing draws outside the list.
    void SyncWindow(const platform::WindowSnapshot& window, CPoint origin, QWidget* container);
    QWidget* WidgetFor(const platform::WindowSnapshot& window, QWidget* container);
    // A list shows only the rows from its first row shown and the columns from its horizontal
    // origin, its scroll bars hand the person's clicks and drags to the list as WM_VSCROLL and
    // WM_HSCROLL, and its rows area holds its own windows.
    struct ScrollRange {
        int maximum;
        int page;
        int value;
    };
    void ShowList(const platform::WindowSnapshot& list, QTableWidget& table, const QRect& screen);
    void ShowScrollBar(const platform::WindowSnapshot& list, Qt::Orientation orientation,
                       const ScrollRange& range, const QRect& screen);
    QScrollBar* ScrollBarFor(HWND list, Qt::Orientation orientation);
    QWidget* RowsAreaOf(HWND list);
    void ScrollList(HWND list, UINT message, UINT code, int position);
    void ShowBalloon(const platform::WindowSnapshot& edit, CPoint origin);
    void ShowDroppedList(const platform::WindowSnapshot& list);

    // Handing the person's mouse and keys to the window system.
    // The window's top left in the dialog's client area; nothing for a window not in the tree.
    std::optional<CPoint> OriginOf(HWND window) const;
    // A dropped list's rectangle in the dialog's client area, which it may lie beyond.
    std::optional<CRect> DroppedListRect(int comboId) const;
    // The middle of a part of the combo box's dropped list (an item, an arrow), on screen.
    QPoint DroppedPartCenter(
        int comboId, const std::function<CRect(const platform::DroppedListLayout&)>& partOf) const;
    // A point on the screen in the dialog's client area, and the screen's work area told to the
    // window system in its own pixels, with the dialog where it is.
    CPoint ToDialog(QPointF global) const;
    void TellScreenArea();
    // The window the mouse reaches at the point of the dialog's client area, with the point in
    // that window: the capture holder, the window the button went down on, or the one under it.
    HWND MouseTargetAt(UINT message, CPoint& point) const;
    void DeliverMouse(UINT message, QMouseEvent* event);
    bool DeliverPopupInput(QEvent* event);
    void DeliverKey(QKeyEvent* event, bool down);
    void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND KeyTarget() const;
    void AfterInput();

    platform::ModalLoop& m_loop;
    HWND m_dialog;
    platform::WindowSnapshot m_tree;
    std::unique_ptr<DialogMetrics> m_metrics;
    std::uint64_t m_revision = 0;
    bool m_drawn = false;
    std::map<HWND, QWidget*> m_widgets;
    HWND m_capture = nullptr;  // the window the mouse went down on, which gets it up
    QLabel* m_balloon = nullptr;
    DroppedListPopup* m_droppedList = nullptr;
    bool m_droppedListShown = false;
    std::map<std::pair<HWND, Qt::Orientation>, QScrollBar*> m_scrollBars;
    std::map<HWND, QWidget*> m_rowsAreas;
    FocusCue* m_focusCue = nullptr;
    bool m_ended = false;
};
