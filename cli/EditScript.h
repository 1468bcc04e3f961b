#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/window/SimulatedUser.h"

class CTeskRule;

// A line of an edit script the person's actions are read from:
//     type ID TEXT     clear ID        paste ID TEXT    choose ID TEXT
//     click ID         key NAME|CHAR   cell ROW COL [double|ctrl|shift]
//     focus ID         wheel ID N      show            ok              cancel
// TEXT is the rest of the line, or a quoted text ("\"", "\\" escaped) to keep blanks.
// Blank lines and lines starting with # are skipped.
struct EditCommand {
    enum class Kind {
        Type,
        Clear,
        Paste,
        Choose,
        Click,
        Key,
        Cell,
        Focus,
        Wheel,
        Show,
        Ok,
        Cancel
    };
    Kind kind = Kind::Show;
    int id = 0;
    CString text;
    platform::UserKey key = platform::UserKey::Tab;
    std::optional<wchar_t> character;  // a key that types this character instead of a named key
    int row = 0;
    int column = 0;
    int notches = 0;  // wheel: towards the person, negative away
    platform::CellClick click = platform::CellClick::Single;
};

// A script line that cannot be read or done; the message names the line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Empty for a blank or comment line; throws ScriptError naming the line number.
std::optional<EditCommand> ParseEditCommand(const std::string& line, int number);

// Acts out the script's lines on the dialog in front of the person, printing what "show"
// shows (and, with showAfterEach, the dialog after every line) to out. Stops when the dialog
// closes; throws ScriptError for a line that cannot be done.
class EditScriptRunner {
public:
    EditScriptRunner(std::istream& script, std::ostream& out, bool showAfterEach)
        : m_script(script), m_out(out), m_showAfterEach(showAfterEach) {}

    // The longest script line read; a longer one is refused.
    static constexpr std::size_t kLongestLine = 1 << 20;

    void Run(platform::SimulatedUser& person);
    // Lines left unread when the dialog closed.
    int UnreadLineNumber() const { return m_unreadLine; }

private:
    // The next line, without its end; false at the end of the script.
    bool ReadLine(std::string& line, int number);
    void Perform(platform::SimulatedUser& person, const EditCommand& command, int number);
    void Show(const platform::SimulatedUser& person);

    std::istream& m_script;
    std::ostream& m_out;
    bool m_showAfterEach;
    int m_unreadLine = 0;
};

// How a rule's editing dialog went when a script acted in it.
struct ScriptedEdit {
    int dialogsRun = 0;
    int result = -1;                         // how the last dialog ended: IDOK, IDCANCEL, ...
    std::optional<std::string> scriptError;  // the line that could not be done; the dialog was
                                             // then left to end as cancelled
    int unreadLine = 0;                      // the first line left unread when the dialog closed
};

// Opens the rule's editing dialog and acts the script out in it, as EditScriptRunner does.
ScriptedEdit EditWithScript(CTeskRule& rule, std::istream& script, std::ostream& out,
                            bool showAfterEach);
