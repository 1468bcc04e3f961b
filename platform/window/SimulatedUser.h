#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/MessageSink.h"
#include "platform/window/DialogView.h"
#include "platform/window/ModalLoop.h"

// The simulated user: a person in front of a running modal dialog. Every action sends only the
// messages the platform would send for it, through the modal loop (so pre-translation and the
// dialog's keyboard handling see them), and ends with one idle message. Keys go to the window
// holding the focus. A person cannot reach a control that is missing, hidden or disabled: the
// action is then not done, and its result says why.
//
// Install one around code that runs dialogs deep inside (a rule's EditRule):
//
//     platform::SimulatedUserScope user([](platform::SimulatedUser& person) {
//         person.Type(1113, L"2.5");
//         person.PressOk();
//     });
//     rule.EditRule();
//
// Each modal dialog started while the scope lives is handed to the script; when the script
// returns and the dialog is still open, the dialog ends with IDCANCEL.
namespace platform {

enum class UserKey {
    Tab,
    Enter,
    Escape,
    Left,
    Right,
    Up,
    Down,
    Delete,
    Backspace,
    F1,
    F4,
    Space,
    PageUp,
    PageDown,
    Home,
    End,
    ShiftUp,
    ShiftDown,
    CtrlA,
    CtrlC,
    CtrlV,
    CtrlX,
    CtrlZ,
    AltDown,
    AltUp
};

// "Tab", "Enter", "Escape", "Left", "Right", "Up", "Down", "Delete", "Backspace", "F1", "F4",
// "Space", "PageUp", "PageDown", "Home", "End", "Shift+Up", "Shift+Down", "Ctrl+A", "Ctrl+C",
// "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Alt+Down", "Alt+Up", without regard to case.
std::optional<UserKey> UserKeyFromName(std::wstring_view name);

// How a cell is clicked: once, with Ctrl or Shift held, or twice in quick succession.
enum class CellClick { Single, Ctrl, Shift, Double };

struct UserActionResult {
    bool done = true;
    CString reason;  // why it could not be done

    explicit operator bool() const { return done; }
};

class SimulatedUser {
public:
    SimulatedUser(ModalLoop& loop, const std::vector<ShownMessage>& messages);

    // Typing, clearing and pasting first move the focus to the box as Tab does (or, when it
    // has the focus already, select all of it), so the new text replaces the old: typing one
    // character at a time, clearing with Delete, pasting with Ctrl+V from the clipboard.
    // Typed text holds printable characters only; keys such as Tab are pressed with PressKey.
    UserActionResult Type(int id, const CString& text);
    UserActionResult Clear(int id);
    UserActionResult Paste(int id, const CString& text);
    // Clicks the combo box to open its list (unless it is open), scrolls the list with its
    // scroll bar's arrows until the item of this text (compared without regard to case) shows,
    // and clicks it.
    UserActionResult Choose(int id, const CString& item);
    // Presses and releases the mouse in the middle of the control.
    UserActionResult Click(int id);
    // A Ctrl key is pressed with Ctrl held: Ctrl goes down before it and up after it.
    UserActionResult PressKey(UserKey key);
    // Presses the key of one printable character on the control holding the focus: it types
    // the character into an edit box, and selects the next item starting with it in a list.
    UserActionResult PressCharacter(wchar_t ch);
    // Clicks the middle of a list view's cell; a column one past the last clicks the row right
    // of its cells. A row scrolled out of sight cannot be clicked.
    UserActionResult ClickCell(int id, int row, int column, CellClick click = CellClick::Single);
    // Turns the mouse wheel over the middle of the control, notches towards the person (the
    // view moves down; a negative count turns it away).
    UserActionResult TurnWheel(int id, int notches);
    // Moves the focus to the control as Tab would, without the Tab key itself.
    UserActionResult Focus(int id);
    // Clicks the OK button; clicks Cancel, or the close box of a dialog without one.
    UserActionResult PressOk();
    UserActionResult PressCancel();

    bool IsOpen() const { return m_loop.IsRunning(); }
    DialogView View() const;
    std::optional<ControlView> Control(int id) const;
    CString Text(int id) const;
    std::optional<int> FocusId() const;
    // Message boxes and balloon tips shown since the scope was installed, in order.
    const std::vector<ShownMessage>& Messages() const { return m_messages; }

private:
    CRect BesideTheCells(HWND window, int row, int columns);
    // Reaching the controls: an action not done says why, naming the control.
    static UserActionResult Failed(const CString& reason);
    static CString ControlName(int id);
    UserActionResult Reach(int id, HWND& window) const;
    UserActionResult ReachEditBox(int id, HWND& window);
    void SelectWholeText(HWND box);
    HWND KeyTarget() const;

    // The messages of the person's keys and mouse, and the idle message that ends an action.
    // The mouse's messages go to the window holding the capture, if any.
    void Keystroke(UINT virtualKey, std::optional<wchar_t> character, bool alt = false);
    void MouseMessage(HWND window, UINT message, WPARAM keys, CPoint point);
    void MouseClick(HWND window, CPoint point, UINT keys);
    UserActionResult ClickDroppedItem(int id, HWND combo, int index);
    void MouseDoubleClick(HWND window, CPoint point);
    UserActionResult Finish();

    ModalLoop& m_loop;
    const std::vector<ShownMessage>& m_messages;
};

class SimulatedUserScope : private IModalInputSource, private IMessageSink {
public:
    using Script = std::function<void(SimulatedUser& person)>;

    // Also records every message box and balloon tip, passing each on to the sink installed
    // before, whose answer it returns.
    explicit SimulatedUserScope(Script script);
    ~SimulatedUserScope() override;
    SimulatedUserScope(const SimulatedUserScope&) = delete;
    SimulatedUserScope& operator=(const SimulatedUserScope&) = delete;

    const std::vector<ShownMessage>& Messages() const { return m_messages; }
    int DialogsRun() const { return m_dialogsRun; }
    // How the last dialog ended: IDOK, IDCANCEL, ...; one the script left open ends as IDCANCEL.
    int LastResult() const { return m_lastResult; }

private:
    void Drive(ModalLoop& loop) override;
    int Show(const ShownMessage& message) override;

    Script m_script;
    IModalInputSource* m_previousSource;
    IMessageSink* m_previousSink;
    std::vector<ShownMessage> m_messages;
    int m_dialogsRun = 0;
    int m_lastResult = -1;
};

}  // namespace platform
