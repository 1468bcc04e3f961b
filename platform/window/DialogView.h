#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/CString.h"
#include "platform/MessageSink.h"
#include "platform/window/CEdit.h"
#include "platform/window/WindowSnapshot.h"

// What a person sees of a dialog: its visible controls with their texts and states, a
// projection of the dialog's window snapshot.
namespace platform {

enum class ControlKind { Button, CheckBox, GroupBox, Edit, Static, ComboBox, ListView };

// A combo box's open list: where it lies, the items it shows and the one it highlights.
struct DroppedListView {
    bool above = false;
    int firstRow = 0;
    std::vector<CString> shown;
    int highlighted = -1;
};

struct ControlView {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    CString text;
    bool enabled = true;
    bool focused = false;
    int check = 0;               // check boxes
    std::vector<CString> items;  // combo boxes
    int selection = -1;
    std::optional<DroppedListView> dropped;
    std::vector<CString> columns;  // list views
    std::vector<std::vector<CString>> rows;
    std::vector<int> selectedRows;
    int topRow = 0;                           // the first row shown
    int horizontalOrigin = 0;                 // the pixels of the columns scrolled off
    std::optional<BalloonTip> balloonTip;     // edit boxes
    std::optional<std::pair<int, int>> cell;  // an edit box over a list's cell: row, column
};

struct DialogView {
    CString caption;
    // In tab order; a control's own visible children (a table's cell editor) follow it.
    std::vector<ControlView> controls;
    std::optional<int> focusId;
    std::vector<ShownMessage> messages;
};

// What the person sees of the dialog's window tree.
DialogView ProjectDialogView(const WindowSnapshot& dialog);
DialogView DescribeDialog(HWND dialog);

// The view as text lines, one per control, then the message boxes shown and the focus:
//
//     dialog "Draft Angle"
//     combobox 1111 ">=" items ">=" ">" "<=" "<" "=" focus
//       dropped below first row 1 items ">" "<=" "<" "=" highlight "="
//     edit 1113 "0.5" focus
//       balloon warning "Angle out of range" "Enter an angle from 0 to 90 degrees."
//     checkbox 1078 "Minimum" checked disabled
//     listview 2257 "" columns "Thickness (mm)" "Height (mm)" rows 261 first row 0
//       row 0 "2.0" "5.0" selected
//     edit 1172 "2.5" cell 1 0 focus
//     message "Veritor" "..."
//     focus 1113
//
// Texts are quoted, with \" \\ \n and \t escaped; a list shows only rows with text or selected.
std::vector<CString> RenderDialogView(const DialogView& view);

const wchar_t* ControlKindName(ControlKind kind);

}  // namespace platform
