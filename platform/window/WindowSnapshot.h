#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/CString.h"
#include "platform/window/CEdit.h"
#include "platform/window/Geometry.h"

// A read-only picture of a window tree, for whoever draws it on a real screen: each window with
// its class, id, rectangle, style, font, text and the state of its class. Taking one sends no
// message that changes anything, and the picture holds no handle that outlives the windows but
// the windows' own, which a renderer passes back as message targets.
namespace platform {

enum class WindowKind {
    Dialog,
    Button,
    CheckBox,
    GroupBox,
    Edit,
    Static,
    ComboBox,
    ListView,
    Header,       // a list view's column header, drawn with the list
    DroppedList,  // a combo box's dropped list, a top-level window the box owns
    Other
};

struct FontSnapshot {
    CString face;
    int pixelHeight = 0;  // the character height in pixels
    int weight = 0;
};

struct ListColumnSnapshot {
    CString heading;
    int width = 0;
};

// An edit box lying over a list's cell, as a table's cell editor does; the cell may be scrolled
// out of sight.
struct CellEditorSnapshot {
    HWND editor = nullptr;
    int row = -1;
    int column = -1;
};

struct WindowSnapshot {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Other;
    int id = 0;
    CRect rect;  // pixels, in the parent's client area
    DWORD style = 0;
    DWORD exStyle = 0;
    std::optional<FontSnapshot> font;
    CString text;
    bool enabled = true;  // the window and all its parents
    bool visible = true;  // the window and all its parents
    bool focused = false;
    bool defaultButton = false;

    int check = 0;                            // check boxes
    int selectionStart = 0;                   // edit boxes
    int selectionEnd = 0;                     //
    std::optional<BalloonTip> balloonTip;     //
    std::vector<CString> items;               // combo boxes and dropped lists
    int selection = -1;                       // the highlighted item in a dropped list
    bool dropped = false;                     //
    bool above = false;                       // a dropped list lying above its box
    std::vector<ListColumnSnapshot> columns;  // list views
    std::vector<std::vector<CString>> rows;   //
    std::vector<int> selectedRows;            //
    int focusedRow = -1;                      // the row the keys move from
    int topRow = 0;                           // the first row shown
    int rowsPerPage = 0;                      // the rows that fit wholly
    int horizontalOrigin = 0;                 // the pixels of the columns scrolled off
    std::optional<CellEditorSnapshot> cellEditor;

    std::vector<WindowSnapshot> children;  // in creation order, which is the tab order
    // The top-level windows this one owns (a dropped list), their rectangles on the screen.
    std::vector<WindowSnapshot> popups;

    // The window with this handle in the tree, or null.
    const WindowSnapshot* Find(HWND window) const;
    const WindowSnapshot* FindId(int windowId) const;
};

// The window and everything inside it; an empty snapshot (no handle) for a window that does not
// exist.
WindowSnapshot TakeWindowSnapshot(HWND window);

// Counts every change to any window: creating, destroying, moving, enabling, showing, focusing
// and every message delivered (a handler may change any window). A renderer that remembers the
// number after drawing redraws only when it has moved on.
std::uint64_t WindowRevision();
void BumpWindowRevision();

// The visible, enabled-or-not window deepest under the point, given in the root's client area,
// with the point in that window's client area; null off the root. A window the tree owns (a
// dropped list) lies over all of it, inside the root or not.
struct WindowHit {
    HWND window = nullptr;
    CPoint point;
};
WindowHit HitTestWindow(HWND root, CPoint point);

}  // namespace platform
