#include "resources/tools/DialogFile.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "platform/ResourceTable.h"
#include "platform/window/WindowStyles.h"
#include "resources/tools/LineReader.h"
#include "resources/tools/StyleNames.h"

namespace resgen {
namespace {

constexpr std::uint32_t kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr std::uint32_t kControlStyle = WS_CHILD | WS_VISIBLE;

std::optional<std::uint32_t> KindOf(const std::string& keyword) {
    if (keyword == "button") {
        return kTeskDialogItemButton;
    }
    if (keyword == "edit") {
        return kTeskDialogItemEdit;
    }
    if (keyword == "static") {
        return kTeskDialogItemStatic;
    }
    if (keyword == "combobox") {
        return kTeskDialogItemComboBox;
    }
    if (keyword == "listview") {
        return kTeskDialogItemListView;
    }
    return std::nullopt;
}

std::int32_t ReadBounded(LineReader& reader, const char* what, std::int64_t lowest,
                         std::int64_t highest) {
    const std::int64_t value = reader.ReadInteger(what);
    if (value < lowest || value > highest) {
        throw ParseError{std::string(what) + " " + std::to_string(value) + " is outside " +
                         std::to_string(lowest) + " to " + std::to_string(highest)};
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadControlId(LineReader& reader) {
    const std::string word = reader.ReadWord("a control id");
    if (word == "IDOK") {
        return 1;
    }
    if (word == "IDCANCEL") {
        return 2;
    }
    if (word == "IDC_STATIC") {
        return -1;
    }
    LineReader number(word);
    const std::int32_t id = ReadBounded(number, "control id", -1, 0xFFFF);
    number.ExpectEnd();
    return id;
}

template <typename Definition>
void ReadRectangle(LineReader& reader, Definition& definition) {
    definition.x = ReadBounded(reader, "x", -32768, 32767);
    definition.y = ReadBounded(reader, "y", -32768, 32767);
    definition.cx = ReadBounded(reader, "width", 0, 32767);
    definition.cy = ReadBounded(reader, "height", 0, 32767);
}

template <typename Definition>
void ReadStyles(LineReader& reader, Definition& definition) {
    while (!reader.AtEnd()) {
        const std::string word = reader.ReadWord("a style");
        const std::optional<StyleName> style = FindStyle(word);
        if (!style) {
            throw ParseError{"unknown style " + word};
        }
        (style->extended ? definition.exStyle : definition.style) |= style->value;
    }
}

class Parser {
public:
    void ParseLine(std::string_view line, int number) {
        LineReader reader(line);
        const std::string keyword = reader.ReadWord("a keyword");
        if (keyword == "dialog") {
            StartDialog(reader, number);
        } else if (keyword == "font") {
            ReadFont(reader);
        } else if (keyword == "end") {
            reader.ExpectEnd();
            EndDialog();
        } else if (const std::optional<std::uint32_t> kind = KindOf(keyword)) {
            AddItem(*kind, reader, number);
        } else {
            throw ParseError{"unknown keyword " + keyword +
                             "; expected dialog, font, end, button, edit, static, combobox or "
                             "listview"};
        }
    }

    // The line of the dialog left open, if any.
    std::optional<int> OpenDialogLine() const {
        return m_current ? std::optional<int>(m_currentLine) : std::nullopt;
    }
    std::uint32_t OpenDialogId() const { return m_current ? m_current->id : 0; }

    DialogTable Take() { return std::move(m_table); }

private:
    void StartDialog(LineReader& reader, int number) {
        if (m_current) {
            throw ParseError{"dialog " + std::to_string(m_current->id) +
                             " needs its end line before the next dialog"};
        }
        DialogDefinition dialog;
        dialog.id = reader.ReadUnsigned("dialog id");
        if (m_table.contains(dialog.id)) {
            throw ParseError{"dialog " + std::to_string(dialog.id) + " is defined twice"};
        }
        ReadRectangle(reader, dialog);
        dialog.caption = reader.ReadQuoted("the caption");
        dialog.style = kDialogStyle;
        ReadStyles(reader, dialog);
        m_current = std::move(dialog);
        m_currentLine = number;
    }

    void ReadFont(LineReader& reader) {
        DialogDefinition& dialog = Current("font");
        if (!dialog.fontName.empty()) {
            throw ParseError{"the font is given twice"};
        }
        dialog.fontPoints = static_cast<std::uint32_t>(ReadBounded(reader, "point size", 1, 72));
        dialog.fontName = reader.ReadQuoted("the font name");
        if (dialog.fontName.empty()) {
            throw ParseError{"the font name is empty"};
        }
        reader.ExpectEnd();
        dialog.style |= DS_SETFONT;
    }

    void AddItem(std::uint32_t kind, LineReader& reader, int number) {
        DialogDefinition& dialog = Current("a control");
        DialogItemDefinition item;
        item.kind = kind;
        item.line = number;
        item.id = ReadControlId(reader);
        ReadRectangle(reader, item);
        item.caption = reader.ReadQuoted("the text");
        item.style = kControlStyle;
        ReadStyles(reader, item);
        const bool taken =
            std::any_of(dialog.items.begin(), dialog.items.end(),
                        [&item](const DialogItemDefinition& other) { return other.id == item.id; });
        if (item.id != -1 && taken) {
            throw ParseError{"control " + std::to_string(item.id) + " appears twice in dialog " +
                             std::to_string(dialog.id)};
        }
        dialog.items.push_back(std::move(item));
    }

    void EndDialog() {
        DialogDefinition& dialog = Current("end");
        const std::uint32_t id = dialog.id;
        m_table.emplace(id, std::move(dialog));
        m_current.reset();
    }

    DialogDefinition& Current(const char* what) {
        if (!m_current) {
            throw ParseError{std::string(what) + " outside a dialog; start one with a dialog line"};
        }
        return *m_current;
    }

    DialogTable m_table;
    std::optional<DialogDefinition> m_current;
    int m_currentLine = 0;
};

}  // namespace

DialogTable ParseDialogTemplates(std::istream& in, const std::string& name) {
    Parser parser;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (IsBlankOrComment(line)) {
            continue;
        }
        try {
            parser.ParseLine(line, number);
        } catch (const ParseError& error) {
            throw ParseError{name + ":" + std::to_string(number) + ": " + error.message};
        }
    }
    if (const std::optional<int> open = parser.OpenDialogLine()) {
        throw ParseError{name + ":" + std::to_string(*open) + ": dialog " +
                         std::to_string(parser.OpenDialogId()) + " has no end line"};
    }
    return parser.Take();
}

DialogTable ReadDialogTemplates(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw ParseError{path + ": cannot be read"};
    }
    return ParseDialogTemplates(file, path);
}

}  // namespace resgen
