#pragma once

#include "platform/window/CWnd.h"
#include "platform/window/WindowManager.h"

constexpr int CB_ERR = -1;

// A drop-down list: items in the order they were added, one of them selected or none (-1).
// The window's text is the selected item's. Only a choice of the person is told: CBN_SELENDOK,
// then CBN_SELCHANGE when it changed the selection. A press on the box, F4 or Alt+Down drops its
// list (platform/window/DroppedList.h); a click on an item there chooses it, as does a release on
// it after pressing on the box, and Enter chooses the item the arrow keys highlight. In the
// closed box the arrow keys choose the item before or after, and a typed letter the next item
// starting with it, going round.
class CComboBox : public CWnd {
public:
    // Appends; returns the item's index.
    int AddString(LPCWSTR text);
    // Inserts before index (-1 appends); returns the index, or CB_ERR past the end.
    int InsertString(int index, LPCWSTR text);
    // Returns the number of items left, or CB_ERR. The selected item keeps its selection
    // when others come or go; deleting it leaves none selected.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;

    int GetCurSel() const;
    // Sends nothing. Returns the index, or CB_ERR for an index out of range, which clears the
    // selection; -1 clears it too and, as on the platform, also answers CB_ERR.
    int SetCurSel(int index);

    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    // The first item after start (-1 starts at the first), going round once, whose whole
    // text equals text without regard to case; CB_ERR when there is none or text is empty.
    int FindStringExact(int start, LPCWSTR text) const;
    BOOL GetDroppedState() const;
};

namespace platform {

const WindowClass& ComboBoxWindowClass();
// The height of the selection field, which is the height of the box's window; the rest of the
// template's height is the dropped list's.
constexpr int kComboFieldHeight = 22;

}  // namespace platform
