#include "cli/EditScript.h"

#include <fmt/format.h>
#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>

#include "host/CTeskRule.h"
#include "platform/Utf.h"
#include "platform/window/DialogView.h"

namespace {

using Kind = EditCommand::Kind;

struct CommandShape {
    Kind kind;
    bool takesId;
    bool takesText;
};

const std::map<std::string, CommandShape>& Shapes() {
    static const std::map<std::string, CommandShape> shapes{
        {"type", {Kind::Type, true, true}},    {"clear", {Kind::Clear, true, false}},
        {"paste", {Kind::Paste, true, true}},  {"choose", {Kind::Choose, true, true}},
        {"click", {Kind::Click, true, false}}, {"key", {Kind::Key, false, true}},
        {"cell", {Kind::Cell, false, true}},   {"focus", {Kind::Focus, true, false}},
        {"wheel", {Kind::Wheel, true, true}},  {"show", {Kind::Show, false, false}},
        {"ok", {Kind::Ok, false, false}},      {"cancel", {Kind::Cancel, false, false}},
    };
    return shapes;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string_view NextWord(std::string_view& rest) {
    rest = TrimBlanks(rest);
    const std::size_t end = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    return word;
}

std::optional<int> Number(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// The rest of the line, or the quoted text it holds.
std::optional<std::string> Text(std::string_view rest) {
    rest = TrimBlanks(rest);
    if (rest.empty() || rest.front() != '"') {
        return std::string(rest);
    }
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            text += rest[++i];
        } else if (rest[i] == '"') {
            return TrimBlanks(rest.substr(i + 1)).empty() ? std::optional(text) : std::nullopt;
        } else {
            text += rest[i];
        }
    }
    return std::nullopt;
}

std::optional<platform::CellClick> CellClickNamed(std::string_view word) {
    static const std::map<std::string_view, platform::CellClick> clicks{
        {"", platform::CellClick::Single},
        {"double", platform::CellClick::Double},
        {"ctrl", platform::CellClick::Ctrl},
        {"shift", platform::CellClick::Shift},
    };
    const auto found = clicks.find(word);
    return found == clicks.end() ? std::nullopt : std::optional(found->second);
}

// The key names, as the README lists them.
constexpr const char* kKeyNames =
    "Tab, Enter, Escape, Space, Left, Right, Up, Down, Shift+Up, Shift+Down, PageUp, PageDown, "
    "Home, End, Delete, Backspace, F1, F4, Alt+Down, Alt+Up, Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X, "
    "Ctrl+Z, or one printable character";

// A script's words as a message shows them: control characters made visible (\x1B), so that a
// stray escape sequence in a script never acts on the terminal.
std::string Visible(std::string_view text) {
    std::string shown;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            shown += fmt::format("\\x{:02X}", byte);
        } else {
            shown += ch;
        }
    }
    return shown;
}

[[noreturn]] void Fail(int number, const std::string& problem) {
    throw ScriptError(fmt::format("script line {}: {}", number, Visible(problem)));
}

void ReadArguments(EditCommand& command, const std::string& name, std::string_view rest,
                   int number) {
    const std::optional<std::string> text = Text(rest);
    if (!text) {
        Fail(number, "the quoted text of \"" + name + "\" is not closed");
    }
    if (command.kind == Kind::Key) {
        const std::wstring wide = platform::WideFromUtf8(*text);
        if (wide.size() == 1 && wide[0] > L' ') {
            command.character = wide[0];
            return;
        }
        const auto key = platform::UserKeyFromName(wide);
        if (!key) {
            Fail(number, "unknown key \"" + *text + "\" (" + kKeyNames + ")");
        }
        command.key = *key;
    } else if (command.kind == Kind::Cell) {
        std::string_view words = *text;
        const auto row = Number(NextWord(words));
        const auto column = Number(NextWord(words));
        const auto click = CellClickNamed(NextWord(words));
        if (!row || !column || !click || !TrimBlanks(words).empty()) {
            Fail(number,
                 "\"cell\" takes a row and a column number, then double, ctrl or shift if any");
        }
        command.row = *row, command.column = *column, command.click = *click;
    } else if (command.kind == Kind::Wheel) {
        const auto notches = Number(TrimBlanks(*text));
        if (!notches) {
            Fail(number,
                 "\"wheel\" takes a control id and a number of notches, not \"" + *text + "\"");
        }
        command.notches = *notches;
    } else {
        command.text = CString(platform::WideFromUtf8(*text));
    }
}

}  // namespace

std::optional<EditCommand> ParseEditCommand(const std::string& line, int number) {
    std::string_view rest = TrimBlanks(line);
    if (rest.empty() || rest.front() == '#') {
        return std::nullopt;
    }
    const std::string name(NextWord(rest));
    const auto shape = Shapes().find(name);
    if (shape == Shapes().end()) {
        Fail(number, "unknown command \"" + name + "\"");
    }
    EditCommand command;
    command.kind = shape->second.kind;
    if (shape->second.takesId) {
        const std::string_view word = NextWord(rest);
        const auto id = Number(word);
        if (!id) {
            Fail(number, "\"" + name + "\" needs a control id, not \"" + std::string(word) + "\"");
        }
        command.id = *id;
    }
    if (shape->second.takesText) {
        ReadArguments(command, name, rest, number);
    } else if (!TrimBlanks(rest).empty()) {
        Fail(number,
             "\"" + name + "\" takes nothing after " + (shape->second.takesId ? "the id" : "it"));
    }
    return command;
}

// A line of the script, at most kLongestLine bytes: a script without line ends (a device, a
// binary file) must not make the program grow without bound.
bool EditScriptRunner::ReadLine(std::string& line, int number) {
    line.clear();
    for (int ch; (ch = m_script.get()) != std::char_traits<char>::eof();) {
        if (ch == '\n') {
            return true;
        }
        if (line.size() == kLongestLine) {
            Fail(number, fmt::format("longer than {} bytes", kLongestLine));
        }
        line += static_cast<char>(ch);
    }
    return !line.empty();
}

void EditScriptRunner::Run(platform::SimulatedUser& person) {
    std::string line;
    int number = 0;
    if (m_showAfterEach) {
        Show(person);
    }
    while (person.IsOpen() && ReadLine(line, number + 1)) {
        ++number;
        if (const std::optional<EditCommand> command = ParseEditCommand(line, number)) {
            Perform(person, *command, number);
            if (m_showAfterEach && person.IsOpen() && command->kind != Kind::Show) {
                Show(person);
            }
        }
    }
    while (!m_unreadLine && ReadLine(line, number + 1)) {
        ++number;
        if (ParseEditCommand(line, number)) {
            m_unreadLine = number;
        }
    }
}

void EditScriptRunner::Perform(platform::SimulatedUser& person, const EditCommand& command,
                               int number) {
    platform::UserActionResult result;
    switch (command.kind) {
        case Kind::Type:
            result = person.Type(command.id, command.text);
            break;
        case Kind::Clear:
            result = person.Clear(command.id);
            break;
        case Kind::Paste:
            result = person.Paste(command.id, command.text);
            break;
        case Kind::Choose:
            result = person.Choose(command.id, command.text);
            break;
        case Kind::Click:
            result = person.Click(command.id);
            break;
        case Kind::Key:
            result = command.character ? person.PressCharacter(*command.character)
                                       : person.PressKey(command.key);
            break;
        case Kind::Focus:
            result = person.Focus(command.id);
            break;
        case Kind::Wheel:
            result = person.TurnWheel(command.id, command.notches);
            break;
        case Kind::Ok:
            result = person.PressOk();
            break;
        case Kind::Cancel:
            result = person.PressCancel();
            break;
        case Kind::Show:
            Show(person);
            break;
        case Kind::Cell: {
            const platform::DialogView view = person.View();
            const auto table =
                std::find_if(view.controls.begin(), view.controls.end(),
                             [](const platform::ControlView& control) {
                                 return control.kind == platform::ControlKind::ListView;
                             });
            if (table == view.controls.end()) {
                Fail(number, "the dialog has no table");
            }
            result = person.ClickCell(table->id, command.row, command.column, command.click);
            break;
        }
    }
    if (!result) {
        Fail(number, platform::Utf8FromWide(result.reason.str()));
    }
}

void EditScriptRunner::Show(const platform::SimulatedUser& person) {
    for (const CString& line : platform::RenderDialogView(person.View())) {
        m_out << platform::Utf8FromWide(line.str()) << "\n";
    }
    m_out.flush();
}

ScriptedEdit EditWithScript(CTeskRule& rule, std::istream& script, std::ostream& out,
                            bool showAfterEach) {
    ScriptedEdit edit;
    EditScriptRunner runner(script, out, showAfterEach);
    platform::SimulatedUserScope person([&](platform::SimulatedUser& user) {
        try {
            runner.Run(user);
        } catch (const ScriptError& error) {
            edit.scriptError = error.what();
        }
    });
    rule.EditRule();
    edit.dialogsRun = person.DialogsRun();
    edit.result = person.LastResult();
    edit.unreadLine = runner.UnreadLineNumber();
    return edit;
}
