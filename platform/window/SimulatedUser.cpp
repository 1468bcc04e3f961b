#include "platform/window/SimulatedUser.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/window/CComboBox.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/Clipboard.h"
#include "platform/window/DroppedList.h"
#include "platform/window/VirtualKeys.h"

namespace platform {
namespace {

struct KeyInfo {
    UserKey key;
    const wchar_t* name;
    UINT virtualKey;
    wchar_t character;  // 0: the key types none
    UINT heldKey = 0;   // VK_SHIFT or VK_CONTROL when the key is pressed with it held
    bool alt = false;   // pressed with Alt held: a system key
};

// A letter pressed with Ctrl types the control character of its place in the alphabet.
constexpr KeyInfo CtrlLetter(UserKey key, const wchar_t* name, wchar_t letter) {
    return {key, name, static_cast<UINT>(letter), static_cast<wchar_t>(letter - L'A' + 1),
            VK_CONTROL};
}

constexpr std::array<KeyInfo, 25> kKeys{{
    {UserKey::Tab, L"Tab", VK_TAB, L'\t'},
    {UserKey::Enter, L"Enter", VK_RETURN, L'\r'},
    {UserKey::Escape, L"Escape", VK_ESCAPE, 0x1B},
    {UserKey::Left, L"Left", VK_LEFT, 0},
    {UserKey::Right, L"Right", VK_RIGHT, 0},
    {UserKey::Up, L"Up", VK_UP, 0},
    {UserKey::Down, L"Down", VK_DOWN, 0},
    {UserKey::Delete, L"Delete", VK_DELETE, 0},
    {UserKey::Backspace, L"Backspace", VK_BACK, 0x08},
    {UserKey::F1, L"F1", VK_F1, 0},
    {UserKey::F4, L"F4", VK_F4, 0},
    {UserKey::Space, L"Space", VK_SPACE, L' '},
    {UserKey::PageUp, L"PageUp", VK_PRIOR, 0},
    {UserKey::PageDown, L"PageDown", VK_NEXT, 0},
    {UserKey::Home, L"Home", VK_HOME, 0},
    {UserKey::End, L"End", VK_END, 0},
    {UserKey::ShiftUp, L"Shift+Up", VK_UP, 0, VK_SHIFT},
    {UserKey::ShiftDown, L"Shift+Down", VK_DOWN, 0, VK_SHIFT},
    CtrlLetter(UserKey::CtrlA, L"Ctrl+A", L'A'),
    CtrlLetter(UserKey::CtrlC, L"Ctrl+C", L'C'),
    CtrlLetter(UserKey::CtrlV, L"Ctrl+V", L'V'),
    CtrlLetter(UserKey::CtrlX, L"Ctrl+X", L'X'),
    CtrlLetter(UserKey::CtrlZ, L"Ctrl+Z", L'Z'),
    {UserKey::AltDown, L"Alt+Down", VK_DOWN, 0, 0, true},
    {UserKey::AltUp, L"Alt+Up", VK_UP, 0, 0, true},
}};

const KeyInfo& InfoOf(UserKey key) {
    for (const KeyInfo& info : kKeys) {
        if (info.key == key) {
            return info;
        }
    }
    return kKeys.front();
}

CPoint ClientCenter(HWND window) {
    CRect client;
    CWnd::FromHandle(window)->GetClientRect(&client);
    return client.CenterPoint();
}

}  // namespace

std::optional<UserKey> UserKeyFromName(std::wstring_view name) {
    for (const KeyInfo& info : kKeys) {
        if (CString(name).CompareNoCase(info.name) == 0) {
            return info.key;
        }
    }
    return std::nullopt;
}

SimulatedUser::SimulatedUser(ModalLoop& loop, const std::vector<ShownMessage>& messages)
    : m_loop(loop), m_messages(messages) {}

UserActionResult SimulatedUser::Type(int id, const CString& text) {
    for (wchar_t ch : text.str()) {
        if (ch < 0x20) {
            return Failed(L"only printable characters are typed; keys are pressed");
        }
    }
    HWND box = nullptr;
    if (UserActionResult reached = ReachEditBox(id, box); !reached) {
        return reached;
    }
    for (wchar_t ch : text.str()) {
        if (!IsOpen()) {
            return Failed(L"the dialog closed while typing");
        }
        Keystroke(VirtualKeyForCharacter(ch), ch);
        m_loop.Idle();
    }
    return {};
}

UserActionResult SimulatedUser::Clear(int id) {
    HWND box = nullptr;
    if (UserActionResult reached = ReachEditBox(id, box); !reached) {
        return reached;
    }
    Keystroke(VK_DELETE, std::nullopt);
    return Finish();
}

UserActionResult SimulatedUser::Paste(int id, const CString& text) {
    HWND box = nullptr;
    if (UserActionResult reached = ReachEditBox(id, box); !reached) {
        return reached;
    }
    SetClipboardText(text);
    return PressKey(UserKey::CtrlV);
}

UserActionResult SimulatedUser::Choose(int id, const CString& item) {
    HWND window = nullptr;
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    const auto* combo = dynamic_cast<const CComboBox*>(FindWindowRecord(window)->standIn.get());
    if (!combo) {
        return Failed(ControlName(id) + L" is not a combo box");
    }
    const int index = combo->FindStringExact(-1, item);
    if (index == CB_ERR) {
        return Failed(ControlName(id) + L" has no item \"" + item + L"\"");
    }
    if (!combo->GetDroppedState()) {
        MouseClick(window, ClientCenter(window), 0);
    }
    return ClickDroppedItem(id, window, index);
}

// A person scrolls with the arrow nearer the item, one row a click, until it shows.
UserActionResult SimulatedUser::ClickDroppedItem(int id, HWND combo, int index) {
    const std::vector<HWND> lists = OwnedWindows(combo);
    if (!IsOpen() || lists.empty()) {
        return Failed(ControlName(id) + L" did not open its list");
    }
    const HWND list = lists.front();
    for (int clicks = 0;
         IsWindow(list) && !LayoutOf(list).Shows(index) && clicks < LayoutOf(list).count;
         ++clicks) {
        const DroppedListLayout layout = LayoutOf(list);
        MouseClick(list, layout.ArrowRect(index > layout.first).CenterPoint(), 0);
    }
    if (!IsWindow(list) || !LayoutOf(list).Shows(index)) {
        return Failed(ControlName(id) + L" cannot show the item in its list");
    }
    MouseClick(list, LayoutOf(list).ItemRect(index).CenterPoint(), 0);
    return Finish();
}

UserActionResult SimulatedUser::Click(int id) {
    HWND window = nullptr;
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    MouseClick(window, ClientCenter(window), 0);
    return Finish();
}

UserActionResult SimulatedUser::PressKey(UserKey key) {
    if (!IsOpen()) {
        return Failed(L"no dialog is open");
    }
    const KeyInfo& info = InfoOf(key);
    if (info.heldKey) {
        m_loop.Deliver({KeyTarget(), WM_KEYDOWN, info.heldKey, kKeyDownFlags});
    }
    Keystroke(info.virtualKey,
              info.character ? std::optional<wchar_t>(info.character) : std::nullopt, info.alt);
    if (info.heldKey && IsOpen()) {
        m_loop.Deliver({KeyTarget(), WM_KEYUP, info.heldKey, kKeyUpFlags});
    }
    return Finish();
}

UserActionResult SimulatedUser::PressCharacter(wchar_t ch) {
    if (!IsOpen()) {
        return Failed(L"no dialog is open");
    }
    if (ch < 0x20) {
        return Failed(L"only printable characters are typed; keys are pressed");
    }
    Keystroke(VirtualKeyForCharacter(ch), ch);
    return Finish();
}

// The room right of the row's last cell that a person sees; empty when the columns fill the
// list's client area.
CRect SimulatedUser::BesideTheCells(HWND window, int row, int columns) {
    const auto* list = dynamic_cast<const CListCtrl*>(FindWindowRecord(window)->standIn.get());
    CRect client;
    list->GetClientRect(&client);
    CRect last;
    list->GetSubItemRect(row, columns - 1, LVIR_LABEL, last);
    return CRect(last.right, last.top, std::max(last.right, client.right), last.bottom);
}

UserActionResult SimulatedUser::ClickCell(int id, int row, int column, CellClick click) {
    HWND window = nullptr;
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    const auto* list = dynamic_cast<const CListCtrl*>(FindWindowRecord(window)->standIn.get());
    if (!list) {
        return Failed(ControlName(id) + L" is not a list");
    }
    const int columns = list->GetHeaderCtrl() ? list->GetHeaderCtrl()->GetItemCount() : 0;
    const bool beyondCells = column == columns && columns > 0;
    CRect cell;
    if (!list->GetSubItemRect(row, beyondCells ? columns - 1 : column, LVIR_LABEL, cell)) {
        return Failed(ControlName(id) + L" has no cell at row " + CString(std::to_wstring(row)) +
                      L", column " + CString(std::to_wstring(column)));
    }
    const int top = list->GetTopIndex();
    const int last = top + list->GetCountPerPage() - 1;
    if (row < top || row > last) {
        return Failed(ControlName(id) + L" shows rows " + CString(std::to_wstring(top)) + L" to " +
                      CString(std::to_wstring(last)) + L", not row " +
                      CString(std::to_wstring(row)) + L": scroll to it first");
    }
    if (beyondCells) {
        cell = BesideTheCells(window, row, columns);
        if (cell.IsRectEmpty()) {
            return Failed(ControlName(id) + L" has no room beside its cells");
        }
    }
    switch (click) {
        case CellClick::Double:
            MouseDoubleClick(window, cell.CenterPoint());
            break;
        case CellClick::Ctrl:
            MouseClick(window, cell.CenterPoint(), MK_CONTROL);
            break;
        case CellClick::Shift:
            MouseClick(window, cell.CenterPoint(), MK_SHIFT);
            break;
        default:
            MouseClick(window, cell.CenterPoint(), 0);
            break;
    }
    return Finish();
}

// A message carries a 16-bit distance, so a long turn goes as several; a turn longer than any
// table needs is refused rather than sent a notch at a time for ever.
UserActionResult SimulatedUser::TurnWheel(int id, int notches) {
    constexpr int kMostNotches = 10000;
    constexpr int kNotchesAMessage = 200;
    if (notches < -kMostNotches || notches > kMostNotches) {
        return Failed(L"the wheel turns at most " + CString(std::to_wstring(kMostNotches)) +
                      L" notches at a time");
    }
    HWND window = nullptr;
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    const CPoint middle = ClientCenter(window);
    for (int left = notches; left != 0 && IsOpen();) {
        const int turn = std::clamp(left, -kNotchesAMessage, kNotchesAMessage);
        left -= turn;
        m_loop.Deliver({window, WM_MOUSEWHEEL,
                        MAKEWPARAM(0, static_cast<UINT>(-turn * WHEEL_DELTA)),
                        MAKELPARAM(middle.x, middle.y)});
    }
    return Finish();
}

UserActionResult SimulatedUser::Focus(int id) {
    HWND window = nullptr;
    if (UserActionResult reached = Reach(id, window); !reached) {
        return reached;
    }
    if (SendMessage(window, WM_GETDLGCODE) & DLGC_STATIC) {
        return Failed(ControlName(id) + L" cannot take the focus");
    }
    m_loop.Dialog().GotoDlgCtrl(CWnd::FromHandle(window));
    return Finish();
}

UserActionResult SimulatedUser::PressOk() {
    if (IsOpen() && !FindChild(m_loop.Dialog().m_hWnd, IDOK)) {
        return Failed(L"the dialog has no OK button");
    }
    return Click(IDOK);
}

UserActionResult SimulatedUser::PressCancel() {
    if (!IsOpen()) {
        return Failed(L"no dialog is open");
    }
    const HWND dialog = m_loop.Dialog().m_hWnd;
    if (FindChild(dialog, IDCANCEL)) {
        return Click(IDCANCEL);
    }
    m_loop.Deliver({dialog, WM_NCLBUTTONDOWN, HTCLOSE, 0});
    return Finish();
}

// The key goes down on the window holding the focus, its character follows to that same window,
// and the key comes up on whichever window holds the focus by then. With Alt held they are the
// system keys' messages.
void SimulatedUser::Keystroke(UINT virtualKey, std::optional<wchar_t> character, bool alt) {
    const HWND target = KeyTarget();
    const LPARAM altFlag = alt ? kAltHeldFlag : 0;
    m_loop.Deliver({target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, kKeyDownFlags | altFlag});
    if (character) {
        m_loop.Deliver({target, WM_CHAR, static_cast<WPARAM>(*character), kKeyDownFlags});
    }
    if (IsOpen()) {
        m_loop.Deliver(
            {KeyTarget(), alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, kKeyUpFlags | altFlag});
    }
}

void SimulatedUser::MouseMessage(HWND window, UINT message, WPARAM keys, CPoint point) {
    const HWND target = MouseTarget(window, point);
    m_loop.Deliver({target, message, keys, MAKELPARAM(point.x, point.y)});
}

void SimulatedUser::MouseClick(HWND window, CPoint point, UINT keys) {
    MouseMessage(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    MouseMessage(window, WM_LBUTTONUP, keys, point);
}

// The second press of a double-click arrives as WM_LBUTTONDBLCLK, as on the platform.
void SimulatedUser::MouseDoubleClick(HWND window, CPoint point) {
    MouseClick(window, point, 0);
    if (IsOpen() && IsWithin(window, m_loop.Dialog().m_hWnd)) {
        MouseMessage(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        MouseMessage(window, WM_LBUTTONUP, 0, point);
    }
}

UserActionResult SimulatedUser::Finish() {
    m_loop.Idle();
    return {};
}

SimulatedUserScope::SimulatedUserScope(Script script)
    : m_script(std::move(script)),
      m_previousSource(SetModalInputSource(this)),
      m_previousSink(&GetMessageSink()) {
    SetMessageSink(this);
}

SimulatedUserScope::~SimulatedUserScope() {
    SetMessageSink(m_previousSink);
    SetModalInputSource(m_previousSource);
}

void SimulatedUserScope::Drive(ModalLoop& loop) {
    ++m_dialogsRun;
    SimulatedUser person(loop, m_messages);
    if (m_script) {
        m_script(person);
    }
    m_lastResult = loop.IsRunning() ? IDCANCEL : loop.Dialog().GetModalResult();
}

int SimulatedUserScope::Show(const ShownMessage& message) {
    m_messages.push_back(message);
    return m_previousSink->Show(message);
}

}  // namespace platform
