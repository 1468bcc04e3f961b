#pragma once

#include <optional>
#include <vector>

#include "platform/CString.h"
#include "platform/ModuleLibrary.h"
#include "platform/ResourceTable.h"
#include "platform/window/Geometry.h"

enum class DialogItemKind : std::uint32_t {
    Button = kTeskDialogItemButton,
    Edit = kTeskDialogItemEdit,
    Static = kTeskDialogItemStatic,
    ComboBox = kTeskDialogItemComboBox,
    ListView = kTeskDialogItemListView,
};

// One control of a dialog template. The rectangle is in dialog units.
struct DialogItemTemplate {
    int id = -1;
    DialogItemKind kind = DialogItemKind::Static;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;
    CString caption;
};

// A dialog's layout: its caption, font and controls in tab order. Tests build their own, for
// instance one that lacks some of the controls a dialog's code looks for.
struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;
    CString caption;
    CString fontName;
    int fontPoints = 0;
    std::vector<DialogItemTemplate> items;

    // Removes the control with this id; returns whether there was one.
    bool RemoveItem(int itemId);
};

// The template with this id from the library's dialog table; nothing when the library is null,
// has no dialog table or lacks the id. A template installed by DialogTemplateOverride wins.
std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE library, UINT id);

// While it lives, every dialog asking for this template id gets this template instead, from
// whichever library: for running code that opens a dialog deep inside on a changed layout.
class DialogTemplateOverride {
public:
    explicit DialogTemplateOverride(DialogTemplate dialogTemplate);
    ~DialogTemplateOverride();
    DialogTemplateOverride(const DialogTemplateOverride&) = delete;
    DialogTemplateOverride& operator=(const DialogTemplateOverride&) = delete;

private:
    DialogTemplate m_template;
    DialogTemplateOverride* m_previous;
    friend std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE, UINT);
};
