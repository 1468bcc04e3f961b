#include "resources/tools/StyleNames.h"

#include <array>

#include "platform/window/WindowStyles.h"

namespace resgen {
namespace {

#define STYLE(name)        \
    StyleName {            \
#name, name, false \
    }
#define EXTENDED_STYLE(name) \
    StyleName {              \
#name, name, true    \
    }

constexpr std::array kStyles{
    STYLE(WS_POPUP),
    STYLE(WS_CHILD),
    STYLE(WS_VISIBLE),
    STYLE(WS_DISABLED),
    STYLE(WS_CAPTION),
    STYLE(WS_BORDER),
    STYLE(WS_VSCROLL),
    STYLE(WS_SYSMENU),
    STYLE(WS_GROUP),
    STYLE(WS_TABSTOP),
    EXTENDED_STYLE(WS_EX_CLIENTEDGE),
    EXTENDED_STYLE(WS_EX_CONTEXTHELP),
    STYLE(DS_SETFONT),
    STYLE(DS_MODALFRAME),
    STYLE(ES_LEFT),
    STYLE(ES_MULTILINE),
    STYLE(ES_AUTOHSCROLL),
    STYLE(ES_WANTRETURN),
    STYLE(ES_NOHIDESEL),
    STYLE(BS_PUSHBUTTON),
    STYLE(BS_DEFPUSHBUTTON),
    STYLE(BS_CHECKBOX),
    STYLE(BS_AUTOCHECKBOX),
    STYLE(BS_GROUPBOX),
    STYLE(SS_LEFT),
    STYLE(SS_CENTER),
    STYLE(SS_RIGHT),
    STYLE(CBS_DROPDOWNLIST),
    STYLE(LVS_REPORT),
    STYLE(LVS_SINGLESEL),
    STYLE(LVS_SHOWSELALWAYS),
    STYLE(LVS_NOCOLUMNHEADER),
};

#undef STYLE
#undef EXTENDED_STYLE

}  // namespace

std::optional<StyleName> FindStyle(std::string_view name) {
    for (const StyleName& style : kStyles) {
        if (name == style.name) {
            return style;
        }
    }
    return std::nullopt;
}

}  // namespace resgen
