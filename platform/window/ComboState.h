#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/window/WindowManager.h"

// What a drop-down list box and its dropped list share.
namespace platform {

class ComboState : public WindowState {
public:
    std::vector<CString> items;
    int selection = -1;
    int droppedHeight = 0;  // the dropped list's room, as the box's template gives it
    HWND list = nullptr;    // the dropped list while it is open
};

// The person chose the item: the box selects it, confirms it (CBN_SELENDOK) and, when it changes
// the selection, tells it as a change (CBN_SELCHANGE). An index out of range chooses nothing.
void ChooseByUser(HWND combo, int index);

// Opening drops the list and gives it the mouse capture; closing destroys it, choosing nothing.
void OpenDroppedList(HWND combo);
void CloseDroppedList(HWND combo);
// Closes the list and chooses the item it highlights.
void CloseDroppedListChoosing(HWND combo);
// Moves the highlight to the item, clamped to the list, scrolling it into view.
void HighlightItem(HWND list, int index);

}  // namespace platform
