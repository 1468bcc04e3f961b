#include "resources/tools/LineReader.h"

namespace resgen {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool LineReader::AtEnd() {
    SkipBlanks();
    return m_rest.empty();
}

std::string LineReader::ReadWord(const char* what) {
    SkipBlanks();
    std::size_t length = 0;
    while (length < m_rest.size() && !IsBlank(m_rest[length])) {
        ++length;
    }
    if (length == 0) {
        throw ParseError{std::string("expected ") + what};
    }
    std::string word(m_rest.substr(0, length));
    m_rest.remove_prefix(length);
    return word;
}

std::uint32_t LineReader::ReadUnsigned(const char* what) {
    SkipBlanks();
    std::uint64_t value = 0;
    std::size_t digits = 0;
    while (digits < m_rest.size() && IsDigit(m_rest[digits])) {
        value = value * 10 + static_cast<std::uint64_t>(m_rest[digits] - '0');
        if (value > 0xFFFFFFFFu) {
            throw ParseError{std::string(what) + " out of range"};
        }
        ++digits;
    }
    if (digits == 0) {
        throw ParseError{std::string("expected a decimal ") + what};
    }
    m_rest.remove_prefix(digits);
    return static_cast<std::uint32_t>(value);
}

std::int64_t LineReader::ReadInteger(const char* what) {
    SkipBlanks();
    const bool negative = !m_rest.empty() && m_rest.front() == '-';
    if (negative) {
        m_rest.remove_prefix(1);
    }
    const std::int64_t magnitude = ReadUnsigned(what);
    return negative ? -magnitude : magnitude;
}

std::string LineReader::ReadQuoted(const char* what) {
    SkipBlanks();
    if (m_rest.empty() || m_rest.front() != '"') {
        throw ParseError{std::string("expected ") + what + " in double quotes"};
    }
    std::string out;
    for (std::size_t i = 1; i < m_rest.size(); ++i) {
        const char c = m_rest[i];
        if (c == '"') {
            m_rest.remove_prefix(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == m_rest.size()) {
            break;
        }
        switch (m_rest[i]) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                throw ParseError{std::string("unknown escape \\") + m_rest[i]};
        }
    }
    throw ParseError{std::string(what) + " is missing its closing quote"};
}

void LineReader::ExpectEnd() {
    if (!AtEnd()) {
        throw ParseError{"unexpected characters at the end of the line: " + std::string(m_rest)};
    }
}

void LineReader::SkipBlanks() {
    while (!m_rest.empty() && IsBlank(m_rest.front())) {
        m_rest.remove_prefix(1);
    }
}

bool IsBlankOrComment(std::string_view line) {
    LineReader reader(line);
    if (reader.AtEnd()) {
        return true;
    }
    const std::size_t first = line.find_first_not_of(" \t");
    return line[first] == '#';
}

}  // namespace resgen
