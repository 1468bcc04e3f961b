#include "platform/window/WindowSnapshot.h"

#include <iterator>

#include "platform/window/CButton.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CDialog.h"
#include "platform/window/CFont.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/CStatic.h"
#include "platform/window/DroppedList.h"
#include "platform/window/WindowManager.h"
#include "platform/window/WindowStyles.h"

namespace platform {
namespace {

std::uint64_t g_revision = 0;

WindowKind ButtonKind(const CButton& button) {
    switch (button.GetButtonStyle()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return WindowKind::CheckBox;
        case BS_GROUPBOX:
            return WindowKind::GroupBox;
        default:
            return WindowKind::Button;
    }
}

WindowKind KindOf(const WindowRecord& record) {
    if (record.windowClass == &DialogWindowClass()) {
        return WindowKind::Dialog;
    }
    if (const auto* button = dynamic_cast<const CButton*>(record.standIn.get())) {
        return ButtonKind(*button);
    }
    if (record.windowClass == &EditWindowClass()) {
        return WindowKind::Edit;
    }
    if (record.windowClass == &StaticWindowClass()) {
        return WindowKind::Static;
    }
    if (record.windowClass == &ComboBoxWindowClass()) {
        return WindowKind::ComboBox;
    }
    if (record.windowClass == &ListViewWindowClass()) {
        return WindowKind::ListView;
    }
    if (record.windowClass == &HeaderWindowClass()) {
        return WindowKind::Header;
    }
    if (record.windowClass == &DroppedListWindowClass()) {
        return WindowKind::DroppedList;
    }
    return WindowKind::Other;
}

std::optional<FontSnapshot> FontOf(const WindowRecord& record) {
    const CFont* font = CFont::FromHandle(record.font);
    LOGFONT logFont;
    if (!font || !font->GetLogFont(&logFont)) {
        return std::nullopt;
    }
    return FontSnapshot{CString(logFont.lfFaceName),
                        logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight,
                        logFont.lfWeight};
}

void TakeEditState(const CEdit& edit, WindowSnapshot& snapshot) {
    edit.GetSel(snapshot.selectionStart, snapshot.selectionEnd);
    snapshot.balloonTip = edit.GetVisibleBalloonTip();
}

void TakeComboState(const CComboBox& combo, WindowSnapshot& snapshot) {
    for (int i = 0; i < combo.GetCount(); ++i) {
        combo.GetLBText(i, snapshot.items.emplace_back());
    }
    snapshot.selection = combo.GetCurSel();
    snapshot.dropped = combo.GetDroppedState() != FALSE;
}

// The list shows its box's items.
void TakeDroppedListState(const WindowRecord& record, WindowSnapshot& snapshot) {
    if (const auto* combo = dynamic_cast<const CComboBox*>(CWnd::FromHandle(record.owner))) {
        for (int i = 0; i < combo->GetCount(); ++i) {
            combo->GetLBText(i, snapshot.items.emplace_back());
        }
    }
    snapshot.selection = HighlightedItem(record.handle);
    snapshot.topRow = LayoutOf(record.handle).first;
    snapshot.above = OpensAbove(record.handle);
}

// The cell of the list that a visible edit box inside it lies over, found by the box's middle;
// a cell scrolled out of sight has its rectangle there too, and its editor with it.
std::optional<CellEditorSnapshot> CellEditorOf(const WindowRecord& listRecord,
                                               const CListCtrl& list) {
    const int columns = list.GetHeaderCtrl() ? list.GetHeaderCtrl()->GetItemCount() : 0;
    for (HWND child : listRecord.children) {
        const WindowRecord* box = FindWindowRecord(child);
        if (box->windowClass != &EditWindowClass() || !IsWindowVisible(child)) {
            continue;
        }
        for (int row = 0; row < list.GetItemCount(); ++row) {
            for (int column = 0; column < columns; ++column) {
                CRect cell;
                if (list.GetSubItemRect(row, column, LVIR_LABEL, cell) &&
                    cell.PtInRect(box->rect.CenterPoint())) {
                    return CellEditorSnapshot{child, row, column};
                }
            }
        }
    }
    return std::nullopt;
}

void TakeListState(const WindowRecord& record, const CListCtrl& list, WindowSnapshot& snapshot) {
    const CHeaderCtrl* header = list.GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    for (int column = 0; column < columns; ++column) {
        wchar_t heading[260] = {};
        LVCOLUMN info;
        info.mask = LVCF_TEXT;
        info.pszText = heading;
        info.cchTextMax = static_cast<int>(std::size(heading));
        list.GetColumn(column, &info);
        snapshot.columns.push_back({CString(heading), list.GetColumnWidth(column)});
    }
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::vector<CString>& cells = snapshot.rows.emplace_back();
        for (int column = 0; column < std::max(columns, 1); ++column) {
            cells.push_back(list.GetItemText(row, column));
        }
        if (list.GetItemState(row, LVIS_SELECTED)) {
            snapshot.selectedRows.push_back(row);
        }
    }
    snapshot.topRow = list.GetTopIndex();
    snapshot.focusedRow = list.GetNextItem(-1, LVNI_FOCUSED);
    snapshot.rowsPerPage = list.GetCountPerPage();
    POINT origin;
    list.GetOrigin(&origin);
    snapshot.horizontalOrigin = origin.x;
    snapshot.cellEditor = CellEditorOf(record, list);
}

void TakeClassState(const WindowRecord& record, WindowSnapshot& snapshot) {
    const CWnd* standIn = record.standIn.get();
    if (const auto* button = dynamic_cast<const CButton*>(standIn)) {
        snapshot.check = snapshot.kind == WindowKind::CheckBox ? button->GetCheck() : 0;
        snapshot.defaultButton = button->GetButtonStyle() == BS_DEFPUSHBUTTON;
    } else if (const auto* edit = dynamic_cast<const CEdit*>(standIn)) {
        TakeEditState(*edit, snapshot);
    } else if (const auto* combo = dynamic_cast<const CComboBox*>(standIn)) {
        TakeComboState(*combo, snapshot);
    } else if (const auto* list = dynamic_cast<const CListCtrl*>(standIn)) {
        TakeListState(record, *list, snapshot);
    } else if (snapshot.kind == WindowKind::DroppedList) {
        TakeDroppedListState(record, snapshot);
    }
}

bool Contains(const CRect& rect, CPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

const WindowSnapshot* PopupAt(const WindowSnapshot& window, CPoint screenPoint) {
    for (const WindowSnapshot& popup : window.popups) {
        if (popup.visible && Contains(popup.rect, screenPoint)) {
            return &popup;
        }
    }
    for (const WindowSnapshot& child : window.children) {
        if (const WindowSnapshot* popup = PopupAt(child, screenPoint)) {
            return popup;
        }
    }
    return nullptr;
}

const WindowSnapshot* ChildAt(const WindowSnapshot& parent, CPoint point) {
    for (const WindowSnapshot& child : parent.children) {
        if (child.visible && Contains(child.rect, point)) {
            return &child;
        }
    }
    return nullptr;
}

}  // namespace

const WindowSnapshot* WindowSnapshot::Find(HWND window) const {
    if (handle == window) {
        return this;
    }
    for (const WindowSnapshot& child : children) {
        if (const WindowSnapshot* found = child.Find(window)) {
            return found;
        }
    }
    return nullptr;
}

const WindowSnapshot* WindowSnapshot::FindId(int windowId) const {
    for (const WindowSnapshot& child : children) {
        if (child.id == windowId) {
            return &child;
        }
    }
    for (const WindowSnapshot& child : children) {
        if (const WindowSnapshot* found = child.FindId(windowId)) {
            return found;
        }
    }
    return nullptr;
}

WindowSnapshot TakeWindowSnapshot(HWND window) {
    WindowSnapshot snapshot;
    const WindowRecord* record = FindWindowRecord(window);
    if (!record) {
        return snapshot;
    }
    snapshot.handle = window;
    snapshot.kind = KindOf(*record);
    snapshot.id = record->id;
    snapshot.rect = record->rect;
    snapshot.style = record->style;
    snapshot.exStyle = record->exStyle;
    snapshot.font = FontOf(*record);
    snapshot.text = record->text;
    snapshot.enabled = IsWindowEnabled(window);
    snapshot.visible = IsWindowVisible(window);
    snapshot.focused = GetFocus() == window;
    TakeClassState(*record, snapshot);
    for (HWND child : record->children) {
        snapshot.children.push_back(TakeWindowSnapshot(child));
    }
    for (HWND owned : OwnedWindows(window)) {
        snapshot.popups.push_back(TakeWindowSnapshot(owned));
    }
    return snapshot;
}

std::uint64_t WindowRevision() {
    return g_revision;
}

void BumpWindowRevision() {
    ++g_revision;
}

WindowHit HitTestWindow(HWND root, CPoint point) {
    const WindowSnapshot tree = TakeWindowSnapshot(root);
    const CRect screen = ScreenRectOf(root);
    const CPoint screenPoint(point.x + screen.left, point.y + screen.top);
    if (const WindowSnapshot* popup = PopupAt(tree, screenPoint)) {
        return {popup->handle,
                CPoint(screenPoint.x - popup->rect.left, screenPoint.y - popup->rect.top)};
    }
    if (!tree.handle || !Contains(CRect(0, 0, tree.rect.Width(), tree.rect.Height()), point)) {
        return {};
    }
    WindowHit hit{root, point};
    const WindowSnapshot* at = &tree;
    while ((at = ChildAt(*at, hit.point)) != nullptr) {
        hit.window = at->handle;
        hit.point.x -= at->rect.left;
        hit.point.y -= at->rect.top;
    }
    return hit;
}

}  // namespace platform
