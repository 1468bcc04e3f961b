#include "platform/window/DialogView.h"

#include <algorithm>

#include "platform/window/CButton.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/WindowStyles.h"

namespace platform {
namespace {

void DescribeButton(const CButton& button, ControlView& view) {
    switch (button.GetButtonStyle()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            view.kind = ControlKind::CheckBox;
            view.check = button.GetCheck();
            break;
        case BS_GROUPBOX:
            view.kind = ControlKind::GroupBox;
            break;
        default:
            view.kind = ControlKind::Button;
            break;
    }
}

void DescribeComboBox(const CComboBox& combo, ControlView& view) {
    view.kind = ControlKind::ComboBox;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString item;
        combo.GetLBText(i, item);
        view.items.push_back(item);
    }
    view.selection = combo.GetCurSel();
}

void DescribeListView(const CListCtrl& list, ControlView& view) {
    view.kind = ControlKind::ListView;
    const CHeaderCtrl* header = list.GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    for (int column = 0; column < columns; ++column) {
        wchar_t heading[260] = {};
        LVCOLUMN info;
        info.mask = LVCF_TEXT;
        info.pszText = heading;
        info.cchTextMax = static_cast<int>(std::size(heading));
        list.GetColumn(column, &info);
        view.columns.emplace_back(heading);
    }
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::vector<CString> cells;
        for (int column = 0; column < std::max(columns, 1); ++column) {
            cells.push_back(list.GetItemText(row, column));
        }
        view.rows.push_back(std::move(cells));
        if (list.GetItemState(row, LVIS_SELECTED)) {
            view.selectedRows.push_back(row);
        }
    }
}

// The cell of a list that an edit box lies over, found by the box's middle.
std::optional<std::pair<int, int>> CellUnder(const WindowRecord& box) {
    const auto* list = dynamic_cast<const CListCtrl*>(CWnd::FromHandle(box.parent));
    if (!list) {
        return std::nullopt;
    }
    LVHITTESTINFO hit;
    hit.pt = box.rect.CenterPoint();
    list->SubItemHitTest(&hit);
    if (hit.iItem < 0 || hit.iSubItem < 0) {
        return std::nullopt;
    }
    return std::make_pair(hit.iItem, hit.iSubItem);
}

void Describe(HWND window, std::vector<ControlView>& controls) {
    const WindowRecord* record = FindWindowRecord(window);
    const CWnd* standIn = record->standIn.get();
    if (!IsWindowVisible(window) || dynamic_cast<const CHeaderCtrl*>(standIn)) {
        return;
    }
    ControlView view;
    view.id = record->id;
    view.text = record->text;
    view.enabled = IsWindowEnabled(window);
    view.focused = GetFocus() == window;
    if (const auto* button = dynamic_cast<const CButton*>(standIn)) {
        DescribeButton(*button, view);
    } else if (const auto* edit = dynamic_cast<const CEdit*>(standIn)) {
        view.kind = ControlKind::Edit;
        view.balloonTip = edit->GetVisibleBalloonTip();
        view.cell = CellUnder(*record);
    } else if (const auto* combo = dynamic_cast<const CComboBox*>(standIn)) {
        DescribeComboBox(*combo, view);
    } else if (const auto* list = dynamic_cast<const CListCtrl*>(standIn)) {
        DescribeListView(*list, view);
    }
    controls.push_back(std::move(view));
    for (HWND child : record->children) {
        Describe(child, controls);
    }
}

CString Quote(const CString& text) {
    CString quoted = L"\"";
    for (wchar_t ch : text.str()) {
        switch (ch) {
            case L'"':
                quoted += L"\\\"";
                break;
            case L'\\':
                quoted += L"\\\\";
                break;
            case L'\n':
                quoted += L"\\n";
                break;
            case L'\t':
                quoted += L"\\t";
                break;
            default:
                quoted += ch;
                break;
        }
    }
    return quoted + L"\"";
}

const wchar_t* IconName(int icon) {
    switch (icon) {
        case TTI_INFO:
            return L"info";
        case TTI_WARNING:
            return L"warning";
        case TTI_ERROR:
            return L"error";
        default:
            return L"plain";
    }
}

CString ControlLine(const ControlView& control) {
    CString line = CString(ControlKindName(control.kind)) + L" " +
                   CString(std::to_wstring(control.id)) + L" " + Quote(control.text);
    if (control.kind == ControlKind::CheckBox) {
        line += control.check ? L" checked" : L" unchecked";
    }
    if (control.kind == ControlKind::ComboBox) {
        line += L" items";
        for (const CString& item : control.items) {
            line += L" " + Quote(item);
        }
    }
    if (control.kind == ControlKind::ListView) {
        line += L" columns";
        for (const CString& column : control.columns) {
            line += L" " + Quote(column);
        }
        line += L" rows " + CString(std::to_wstring(control.rows.size()));
    }
    if (control.cell) {
        line += L" cell " + CString(std::to_wstring(control.cell->first)) + L" " +
                CString(std::to_wstring(control.cell->second));
    }
    if (!control.enabled) {
        line += L" disabled";
    }
    if (control.focused) {
        line += L" focus";
    }
    return line;
}

void AddRowLines(const ControlView& control, std::vector<CString>& lines) {
    for (std::size_t row = 0; row < control.rows.size(); ++row) {
        const std::vector<CString>& cells = control.rows[row];
        const bool selected = std::find(control.selectedRows.begin(), control.selectedRows.end(),
                                        static_cast<int>(row)) != control.selectedRows.end();
        const bool hasText = std::any_of(cells.begin(), cells.end(),
                                         [](const CString& cell) { return !cell.IsEmpty(); });
        if (!hasText && !selected) {
            continue;
        }
        CString line = L"  row " + CString(std::to_wstring(row));
        for (const CString& cell : cells) {
            line += L" " + Quote(cell);
        }
        lines.push_back(selected ? line + L" selected" : line);
    }
}

}  // namespace

DialogView DescribeDialog(HWND dialog) {
    DialogView view;
    const WindowRecord* record = FindWindowRecord(dialog);
    if (!record) {
        return view;
    }
    view.caption = record->text;
    for (HWND child : record->children) {
        Describe(child, view.controls);
    }
    const HWND focus = GetFocus();
    if (focus != dialog && IsWithin(focus, dialog)) {
        view.focusId = FindWindowRecord(focus)->id;
    }
    return view;
}

std::vector<CString> RenderDialogView(const DialogView& view) {
    std::vector<CString> lines{L"dialog " + Quote(view.caption)};
    for (const ControlView& control : view.controls) {
        lines.push_back(ControlLine(control));
        if (control.balloonTip) {
            lines.push_back(L"  balloon " + CString(IconName(control.balloonTip->icon)) + L" " +
                            Quote(control.balloonTip->title) + L" " +
                            Quote(control.balloonTip->text));
        }
        AddRowLines(control, lines);
    }
    for (const ShownMessage& message : view.messages) {
        if (message.kind == ShownMessage::Kind::MessageBox) {
            lines.push_back(L"message " + Quote(message.caption) + L" " + Quote(message.text));
        }
    }
    lines.push_back(view.focusId ? L"focus " + CString(std::to_wstring(*view.focusId))
                                 : CString(L"focus none"));
    return lines;
}

const wchar_t* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return L"button";
        case ControlKind::CheckBox:
            return L"checkbox";
        case ControlKind::GroupBox:
            return L"groupbox";
        case ControlKind::Edit:
            return L"edit";
        case ControlKind::ComboBox:
            return L"combobox";
        case ControlKind::ListView:
            return L"listview";
        default:
            return L"static";
    }
}

}  // namespace platform
