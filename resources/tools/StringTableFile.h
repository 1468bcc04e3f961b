#pragma once

#include <cstdint>
#include <map>
#include <string>

// A language's strings.txt: one text per line, the decimal string id, blanks, then the text in
// double quotes. Texts stay UTF-8.
namespace resgen {

using StringTable = std::map<std::uint32_t, std::string>;

// Throws ParseError naming the file and line. With lines, each id's line number goes there.
StringTable ReadStringTable(const std::string& path,
                            std::map<std::uint32_t, int>* lines = nullptr);

}  // namespace resgen
