#include "platform/window/DroppedList.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/window/CWnd.h"
#include "platform/window/ComboState.h"
#include "platform/window/WindowStyles.h"

namespace platform {
namespace {

constexpr int kWheelRows = 3;  // rows one notch of the wheel scrolls

class DroppedListState : public WindowState {
public:
    int first = 0;
    int rows = 1;
    int highlighted = -1;
    bool above = false;
    // While the thumb is dragged: how far below its top the mouse went down on it.
    std::optional<int> thumbGrab;
};

HWND OwnerOf(HWND list) {
    const WindowRecord* record = FindWindowRecord(list);
    return record ? record->owner : nullptr;
}

const ComboState* ComboOf(HWND list) {
    return FindWindowState<ComboState>(OwnerOf(list));
}

int ItemCount(HWND list) {
    const ComboState* combo = ComboOf(list);
    return combo ? static_cast<int>(combo->items.size()) : 0;
}

void ScrollTo(HWND list, int first) {
    auto* state = FindWindowState<DroppedListState>(list);
    state->first = std::clamp(first, 0, std::max(ItemCount(list) - state->rows, 0));
}

void ScrollBy(HWND list, int rows) {
    ScrollTo(list, FindWindowState<DroppedListState>(list)->first + rows);
}

// The mouse moved: a dragged thumb scrolls the list, otherwise the item under it is highlighted.
void MoveMouse(HWND list, CPoint point) {
    const auto* state = FindWindowState<DroppedListState>(list);
    if (state->thumbGrab) {
        ScrollTo(list, LayoutOf(list).FirstForThumbAt(point.y - *state->thumbGrab));
    } else if (const int item = LayoutOf(list).ItemAt(point); item >= 0) {
        HighlightItem(list, item);
    }
}

// A release on an item chooses it; the release of a dragged thumb only lets it go, and the
// release of the press that opened the list lands on the box and keeps it open.
void Release(HWND list, CPoint point) {
    auto* state = FindWindowState<DroppedListState>(list);
    if (std::exchange(state->thumbGrab, std::nullopt)) {
        return;
    }
    if (const int item = LayoutOf(list).ItemAt(point); item >= 0) {
        HighlightItem(list, item);
        CloseDroppedListChoosing(OwnerOf(list));
    }
}

// A press inside the list highlights an item or works the scroll bar; one outside closes it.
void Press(HWND list, CPoint point) {
    const DroppedListLayout layout = LayoutOf(list);
    const CRect client(0, 0, layout.width, layout.rows * DroppedListLayout::kItemHeight);
    if (!client.PtInRect(point)) {
        CloseDroppedList(OwnerOf(list));
    } else if (const int item = layout.ItemAt(point); item >= 0) {
        HighlightItem(list, item);
    } else if (const CRect thumb = layout.ThumbRect(); thumb.PtInRect(point)) {
        FindWindowState<DroppedListState>(list)->thumbGrab = point.y - thumb.top;
    } else if (layout.ArrowRect(false).PtInRect(point)) {
        ScrollBy(list, -1);
    } else if (layout.ArrowRect(true).PtInRect(point)) {
        ScrollBy(list, 1);
    } else if (layout.TrackRect(false).PtInRect(point)) {
        ScrollBy(list, -layout.rows);
    } else if (layout.TrackRect(true).PtInRect(point)) {
        ScrollBy(list, layout.rows);
    }
}

LRESULT DroppedListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
        case WM_MOUSEMOVE:
            MoveMouse(list, point);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(list, point);
            return 0;
        case WM_LBUTTONUP:
            Release(list, point);
            return 0;
        case WM_MOUSEWHEEL:
            ScrollBy(list, -static_cast<std::int16_t>(HIWORD(wParam)) / WHEEL_DELTA * kWheelRows);
            return 0;
        default:
            return DefaultWindowProcedure(list, message, wParam, lParam);
    }
}

}  // namespace

CRect DroppedListLayout::ItemRect(int index) const {
    if (!Shows(index)) {
        return {};
    }
    const int top = (index - first) * kItemHeight;
    return {0, top, HasScrollBar() ? width - kScrollBarWidth : width, top + kItemHeight};
}

CRect DroppedListLayout::ArrowRect(bool down) const {
    if (!HasScrollBar()) {
        return {};
    }
    const int height = rows * kItemHeight;
    const int arrow = std::min(kScrollBarWidth, height / 2);
    return down ? CRect(width - kScrollBarWidth, height - arrow, width, height)
                : CRect(width - kScrollBarWidth, 0, width, arrow);
}

// The thumb's length and place stand for the rows shown among all the items.
CRect DroppedListLayout::ThumbRect() const {
    if (!HasScrollBar()) {
        return {};
    }
    const int top = ArrowRect(false).bottom;
    const int length = ArrowRect(true).top - top;
    const int thumb = std::max(length * rows / count, 1);
    const int thumbTop = top + (length - thumb) * first / (count - rows);
    return {width - kScrollBarWidth, thumbTop, width, thumbTop + thumb};
}

CRect DroppedListLayout::TrackRect(bool below) const {
    if (!HasScrollBar()) {
        return {};
    }
    const CRect thumb = ThumbRect();
    return below ? CRect(thumb.left, thumb.bottom, width, ArrowRect(true).top)
                 : CRect(thumb.left, ArrowRect(false).bottom, width, thumb.top);
}

// The nearest first item whose thumb lies at that height, the thumb kept within its track.
int DroppedListLayout::FirstForThumbAt(int thumbTop) const {
    if (!HasScrollBar()) {
        return 0;
    }
    const int top = ArrowRect(false).bottom;
    const int travel = ArrowRect(true).top - top - ThumbRect().Height();
    if (travel <= 0) {
        return first;
    }
    const int offset = std::clamp(thumbTop - top, 0, travel);
    return (offset * (count - rows) + travel / 2) / travel;
}

int DroppedListLayout::ItemAt(CPoint point) const {
    const int right = HasScrollBar() ? width - kScrollBarWidth : width;
    if (point.x < 0 || point.x >= right || point.y < 0 || point.y >= rows * kItemHeight) {
        return -1;
    }
    const int index = first + point.y / kItemHeight;
    return index < count ? index : -1;
}

DroppedListLayout LayoutOf(HWND list) {
    const WindowRecord* record = FindWindowRecord(list);
    const auto* state = FindWindowState<DroppedListState>(list);
    if (!record || !state) {
        return {};
    }
    return {record->rect.Width(), state->rows, ItemCount(list), state->first};
}

DroppedListLayout LayoutOf(const WindowSnapshot& list) {
    return {list.rect.Width(), list.rect.Height() / DroppedListLayout::kItemHeight,
            static_cast<int>(list.items.size()), list.topRow};
}

int HighlightedItem(HWND list) {
    const auto* state = FindWindowState<DroppedListState>(list);
    return state ? state->highlighted : -1;
}

bool OpensAbove(HWND list) {
    const auto* state = FindWindowState<DroppedListState>(list);
    return state && state->above;
}

const WindowClass& DroppedListWindowClass() {
    static const WindowClass kClass{
        &DroppedListProcedure, [] { return std::make_unique<CWnd>(); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<DroppedListState>()); }};
    return kClass;
}

// As many rows as the box's room allows, at least one; the selected item shows with the one
// before it where the list can scroll that far, so its neighbours show too.
void OpenDroppedList(HWND combo) {
    auto* state = FindWindowState<ComboState>(combo);
    if (!state || state->list) {
        return;
    }
    const int count = static_cast<int>(state->items.size());
    const int rows =
        std::clamp(state->droppedHeight / DroppedListLayout::kItemHeight, 1, std::max(count, 1));
    const int height = rows * DroppedListLayout::kItemHeight;
    const CRect box = ScreenRectOf(combo);
    const CRect screen = ScreenArea();
    const bool above = box.bottom + height > screen.bottom && box.top - height >= screen.top;

    WindowCreation creation;
    creation.windowClass = &DroppedListWindowClass();
    creation.owner = combo;
    creation.style = WS_POPUP | WS_VISIBLE;
    creation.rect = above ? CRect(box.left, box.top - height, box.right, box.top)
                          : CRect(box.left, box.bottom, box.right, box.bottom + height);
    const HWND list = CreateWindowHandle(creation);
    auto* listState = FindWindowState<DroppedListState>(list);
    if (!listState) {
        return;
    }
    listState->rows = rows;
    listState->above = above;
    listState->highlighted = state->selection;
    listState->first = std::clamp(state->selection - 1, 0, std::max(count - rows, 0));
    state->list = list;
    SetCapture(list);
}

void CloseDroppedList(HWND combo) {
    auto* state = FindWindowState<ComboState>(combo);
    if (!state || !state->list) {
        return;
    }
    const HWND list = std::exchange(state->list, nullptr);
    if (GetCapture() == list) {
        ReleaseCapture();
    }
    DestroyWindowHandle(list);
}

void CloseDroppedListChoosing(HWND combo) {
    const auto* state = FindWindowState<ComboState>(combo);
    if (!state || !state->list) {
        return;
    }
    const int item = HighlightedItem(state->list);
    CloseDroppedList(combo);
    ChooseByUser(combo, item);
}

void HighlightItem(HWND list, int index) {
    auto* state = FindWindowState<DroppedListState>(list);
    const int count = ItemCount(list);
    if (!state || count == 0) {
        return;
    }
    state->highlighted = std::clamp(index, 0, count - 1);
    if (state->highlighted < state->first) {
        state->first = state->highlighted;
    } else if (state->highlighted >= state->first + state->rows) {
        state->first = state->highlighted - state->rows + 1;
    }
}

}  // namespace platform
