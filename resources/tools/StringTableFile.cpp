#include "resources/tools/StringTableFile.h"

#include <fstream>

#include "resources/tools/LineReader.h"

namespace resgen {

StringTable ReadStringTable(const std::string& path, std::map<std::uint32_t, int>* lines) {
    std::ifstream file(path);
    if (!file) {
        throw ParseError{path + ": cannot be read"};
    }
    StringTable table;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (IsBlankOrComment(line)) {
            continue;
        }
        try {
            LineReader reader(line);
            const std::uint32_t id = reader.ReadUnsigned("string id");
            std::string text = reader.ReadQuoted("the text");
            reader.ExpectEnd();
            if (!table.emplace(id, std::move(text)).second) {
                throw ParseError{"string id " + std::to_string(id) + " is defined twice"};
            }
            if (lines) {
                (*lines)[id] = number;
            }
        } catch (const ParseError& error) {
            throw ParseError{path + ":" + std::to_string(number) + ": " + error.message};
        }
    }
    return table;
}

}  // namespace resgen
