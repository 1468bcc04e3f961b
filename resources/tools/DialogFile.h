#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

// A language's dialogs.txt: the dialog templates, which a translator edits like the strings.
//
//     dialog ID X Y WIDTH HEIGHT "CAPTION" [STYLE ...]
//     font POINTS "FACE"
//     KIND ID X Y WIDTH HEIGHT "TEXT" [STYLE ...]
//     end
//
// KIND is button, edit, static, combobox or listview; a control ID is a decimal number, IDOK,
// IDCANCEL or IDC_STATIC (-1, for a text the code never addresses). Positions and sizes are in
// dialog units. The styles are added to the defaults: WS_POPUP WS_CAPTION WS_SYSMENU
// DS_MODALFRAME for a dialog (and DS_SETFONT with a font line), WS_CHILD WS_VISIBLE for a
// control. Blank lines and lines starting with # are skipped.
namespace resgen {

struct DialogItemDefinition {
    std::int32_t id = 0;
    std::uint32_t kind = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::int32_t x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int line = 0;  // where the file defines it
};

struct DialogDefinition {
    std::uint32_t id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::int32_t x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    std::string fontName;
    std::uint32_t fontPoints = 0;
    std::vector<DialogItemDefinition> items;
};

using DialogTable = std::map<std::uint32_t, DialogDefinition>;

// Both throw ParseError naming the file (name) and line.
DialogTable ReadDialogTemplates(const std::string& path);
DialogTable ParseDialogTemplates(std::istream& in, const std::string& name);

}  // namespace resgen
