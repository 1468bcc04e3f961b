#pragma once

#include <optional>

#include "platform/window/Geometry.h"
#include "platform/window/WindowManager.h"
#include "platform/window/WindowSnapshot.h"

// The list a drop-down list box opens: a top-level window of its own, owned by the box, lying over
// every other window below the box (above it when the screen has no room below). It shows as many
// rows as the box's template height allows beyond its field; when not every item fits, a scroll
// bar on its right scrolls it, an arrow at each end and a thumb to drag. While it is open it
// holds the mouse capture: a click on an item chooses it, a click outside closes it and goes no
// further.
namespace platform {

struct DroppedListLayout {
    static constexpr int kItemHeight = 16;
    static constexpr int kScrollBarWidth = 16;

    int width = 0;
    int rows = 0;   // rows shown
    int count = 0;  // items
    int first = 0;  // the first item shown

    bool HasScrollBar() const { return count > rows; }
    bool Shows(int index) const { return index >= first && index < first + rows && index < count; }
    // In the list's client area: an item's row (empty when it is not shown), the scroll bar's
    // arrows, its thumb and the part of its track above and below the thumb.
    CRect ItemRect(int index) const;
    CRect ArrowRect(bool down) const;
    CRect ThumbRect() const;
    CRect TrackRect(bool below) const;
    // The first item shown when the thumb's top is dragged to this height.
    int FirstForThumbAt(int thumbTop) const;
    // The item under the point; -1 off the items (on the scroll bar, outside the list).
    int ItemAt(CPoint point) const;
};

DroppedListLayout LayoutOf(HWND list);
DroppedListLayout LayoutOf(const WindowSnapshot& list);

// The item the mouse or the arrow keys point at, which Enter or a click chooses.
int HighlightedItem(HWND list);
bool OpensAbove(HWND list);

const WindowClass& DroppedListWindowClass();

}  // namespace platform
