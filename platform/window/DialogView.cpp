#include "platform/window/DialogView.h"

#include <algorithm>

#include "platform/window/DroppedList.h"

namespace platform {
namespace {

const WindowSnapshot* FocusedIn(const WindowSnapshot& window) {
    if (window.focused) {
        return &window;
    }
    for (const WindowSnapshot& child : window.children) {
        if (const WindowSnapshot* focus = FocusedIn(child)) {
            return focus;
        }
    }
    return nullptr;
}

std::optional<ControlKind> ControlKindOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Button:
            return ControlKind::Button;
        case WindowKind::CheckBox:
            return ControlKind::CheckBox;
        case WindowKind::GroupBox:
            return ControlKind::GroupBox;
        case WindowKind::Edit:
            return ControlKind::Edit;
        case WindowKind::ComboBox:
            return ControlKind::ComboBox;
        case WindowKind::ListView:
            return ControlKind::ListView;
        case WindowKind::Header:
            return std::nullopt;
        default:
            return ControlKind::Static;
    }
}

std::optional<DroppedListView> DroppedOf(const WindowSnapshot& combo) {
    for (const WindowSnapshot& popup : combo.popups) {
        if (popup.kind != WindowKind::DroppedList || !popup.visible) {
            continue;
        }
        DroppedListView dropped{popup.above, popup.topRow, {}, popup.selection};
        const DroppedListLayout layout = LayoutOf(popup);
        for (int index = layout.first; layout.Shows(index); ++index) {
            dropped.shown.push_back(popup.items[static_cast<std::size_t>(index)]);
        }
        return dropped;
    }
    return std::nullopt;
}

ControlView Project(const WindowSnapshot& window, const WindowSnapshot& parent) {
    ControlView view;
    view.id = window.id;
    view.kind = ControlKindOf(window.kind).value_or(ControlKind::Static);
    view.text = window.text;
    view.enabled = window.enabled;
    view.focused = window.focused;
    view.check = window.check;
    view.items = window.items;
    view.selection = window.selection;
    view.dropped = DroppedOf(window);
    for (const ListColumnSnapshot& column : window.columns) {
        view.columns.push_back(column.heading);
    }
    view.rows = window.rows;
    view.selectedRows = window.selectedRows;
    view.topRow = window.topRow;
    view.horizontalOrigin = window.horizontalOrigin;
    view.balloonTip = window.balloonTip;
    if (parent.cellEditor && parent.cellEditor->editor == window.handle) {
        view.cell = std::make_pair(parent.cellEditor->row, parent.cellEditor->column);
    }
    return view;
}

// Hidden windows and a list's own header are not seen; a control's visible children follow it.
void Describe(const WindowSnapshot& window, const WindowSnapshot& parent,
              std::vector<ControlView>& controls) {
    if (!window.visible || !ControlKindOf(window.kind)) {
        return;
    }
    controls.push_back(Project(window, parent));
    for (const WindowSnapshot& child : window.children) {
        Describe(child, window, controls);
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
        line += L" rows " + CString(std::to_wstring(control.rows.size())) + L" first row " +
                CString(std::to_wstring(control.topRow));
        if (control.horizontalOrigin != 0) {
            line += L" origin " + CString(std::to_wstring(control.horizontalOrigin));
        }
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

void AddDroppedLine(const ControlView& control, std::vector<CString>& lines) {
    if (!control.dropped) {
        return;
    }
    const DroppedListView& dropped = *control.dropped;
    CString line = CString(dropped.above ? L"  dropped above" : L"  dropped below") +
                   L" first row " + CString(std::to_wstring(dropped.firstRow)) + L" items";
    for (const CString& item : dropped.shown) {
        line += L" " + Quote(item);
    }
    const auto highlighted = static_cast<std::size_t>(dropped.highlighted);
    if (dropped.highlighted >= 0 && highlighted < control.items.size()) {
        line += L" highlight " + Quote(control.items[highlighted]);
    }
    lines.push_back(line);
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
    return ProjectDialogView(TakeWindowSnapshot(dialog));
}

DialogView ProjectDialogView(const WindowSnapshot& dialog) {
    DialogView view;
    if (!dialog.handle) {
        return view;
    }
    view.caption = dialog.text;
    for (const WindowSnapshot& child : dialog.children) {
        Describe(child, dialog, view.controls);
    }
    if (!dialog.focused) {
        for (const WindowSnapshot& child : dialog.children) {
            if (const WindowSnapshot* focus = FocusedIn(child)) {
                view.focusId = focus->id;
            }
        }
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
        AddDroppedLine(control, lines);
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
