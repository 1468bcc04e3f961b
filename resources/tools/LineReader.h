#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reading the resource files of a language: one entry per line, made of blank-separated words,
// numbers and texts in double quotes.
namespace resgen {

struct ParseError {
    std::string message;
};

class LineReader {
public:
    explicit LineReader(std::string_view line) : m_rest(line) {}

    // True when only blanks are left.
    bool AtEnd();
    std::string ReadWord(const char* what);
    std::uint32_t ReadUnsigned(const char* what);
    std::int64_t ReadInteger(const char* what);
    // A text in double quotes; escapes \" \\ \n \t.
    std::string ReadQuoted(const char* what);
    // Fails unless only blanks are left.
    void ExpectEnd();

private:
    void SkipBlanks();

    std::string_view m_rest;
};

// True for a line that is blank or a comment (first non-blank character '#').
bool IsBlankOrComment(std::string_view line);

}  // namespace resgen
