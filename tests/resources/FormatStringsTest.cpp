#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>

#include "resources/tools/StringTableFile.h"

// The string tables translators edit, checked against the English one and against what the code
// passes to each format. Every failure names the file and the line.
namespace {

enum class Argument { Text, Number };

// What the code passes to each format text: texts, each for a %s, or floating-point numbers,
// each for a conversion such as %g or %.1f. Every other text is shown as it stands.
const std::map<std::uint32_t, std::vector<Argument>> kFormatArguments{
    {2023, std::vector(3, Argument::Text)},   {2024, std::vector(3, Argument::Text)},
    {2097, std::vector(2, Argument::Text)},   {2098, std::vector(3, Argument::Text)},
    {2116, std::vector(6, Argument::Text)},   {2130, std::vector(1, Argument::Text)},
    {2145, std::vector(3, Argument::Text)},   {2146, std::vector(3, Argument::Text)},
    {2162, std::vector(2, Argument::Text)},   {2189, std::vector(5, Argument::Text)},
    {2199, std::vector(9, Argument::Text)},   {2240, std::vector(1, Argument::Text)},
    {2249, std::vector(2, Argument::Number)}, {2400, std::vector(2, Argument::Text)},
    {2401, std::vector(2, Argument::Text)},   {2402, std::vector(2, Argument::Text)},
    {2403, std::vector(2, Argument::Text)},   {2404, std::vector(2, Argument::Text)},
    {2405, std::vector(2, Argument::Text)},   {2500, std::vector(1, Argument::Text)},
    {2501, std::vector(1, Argument::Text)},   {2502, std::vector(2, Argument::Text)},
    {2503, std::vector(3, Argument::Text)},   {2504, std::vector(2, Argument::Text)},
    {2505, std::vector(1, Argument::Text)},   {2508, std::vector(2, Argument::Text)},
    {2509, std::vector(7, Argument::Text)},   {2510, std::vector(2, Argument::Text)},
    {2511, std::vector(4, Argument::Text)},   {2512, std::vector(2, Argument::Text)},
    {2513, std::vector(1, Argument::Text)},   {2514, std::vector(3, Argument::Text)},
    {2515, std::vector(4, Argument::Text)},   {2516, std::vector(3, Argument::Text)},
    {2560, std::vector(2, Argument::Text)},   {2561, std::vector(1, Argument::Text)},
    {2562, std::vector(1, Argument::Text)},   {2590, std::vector(1, Argument::Text)},
    {2591, std::vector(1, Argument::Text)},   {2592, std::vector(1, Argument::Text)},
};

// Texts a language gives only where the default does not read well: the comparison phrases
// (all five or none) and the sentence join.
const std::uint32_t kComparisonPhrases[] = {2400, 2401, 2402, 2403, 2404};
const std::uint32_t kOptionalTexts[] = {2400, 2401, 2402, 2403, 2404, 2405};

// In a language with comparison phrases, the formats that state comparisons take one phrase for
// each: how many each takes.
const std::map<std::uint32_t, std::size_t> kComparisonsStated{
    {2023, 1}, {2024, 1}, {2097, 1}, {2098, 1}, {2116, 2}, {2145, 1}, {2189, 2}, {2199, 3},
};

// Names written into documents and compared when they are read: the same in every language.
const std::uint32_t kFileFormatNames[] = {2019, 2020, 2021, 2022, 2033, 2034,
                                          2035, 2036, 2037, 2038, 2041, 2042};

struct Conversion {
    std::optional<int> position;  // 1-based, for %1$s and the like
    Argument kind = Argument::Text;
};

// The conversions of a printf format, "%%" aside; nothing when one of them fits no argument.
std::optional<std::vector<Conversion>> Conversions(const std::string& text) {
    static const std::regex conversion(
        R"(%(?:([1-9][0-9]*)\$)?[-+ #0]*[0-9]*(?:\.[0-9]+)?([a-zA-Z%]))");
    std::vector<Conversion> found;
    std::size_t end = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& match = *it;
        if (text.find('%', end) != static_cast<std::size_t>(match.position())) {
            return std::nullopt;  // a percent sign that starts no conversion
        }
        end = static_cast<std::size_t>(match.position() + match.length());
        const char type = match.str(2).front();
        if (type == '%' && !match[1].matched && match.length() == 2) {
            continue;
        }
        Conversion c;
        if (match[1].matched) {
            c.position = std::stoi(match.str(1));
        }
        if (type == 's' && match.length() == (match[1].matched ? match.length(1) + 3 : 2)) {
            c.kind = Argument::Text;
        } else if (std::string("eEfFgG").find(type) != std::string::npos) {
            c.kind = Argument::Number;
        } else {
            return std::nullopt;
        }
        found.push_back(c);
    }
    if (text.find('%', end) != std::string::npos) {
        return std::nullopt;
    }
    return found;
}

// What a format asks for, in argument order; nothing when the positions are mixed, repeated
// or leave a gap.
std::optional<std::vector<Argument>> ArgumentsAskedFor(const std::string& text) {
    const std::optional<std::vector<Conversion>> conversions = Conversions(text);
    if (!conversions) {
        return std::nullopt;
    }
    const bool positional = !conversions->empty() && conversions->front().position;
    std::vector<std::optional<Argument>> slots(conversions->size());
    for (std::size_t i = 0; i < conversions->size(); ++i) {
        const Conversion& c = (*conversions)[i];
        if (c.position.has_value() != positional) {
            return std::nullopt;
        }
        const std::size_t slot = positional ? static_cast<std::size_t>(*c.position - 1) : i;
        if (slot >= slots.size() || slots[slot]) {
            return std::nullopt;
        }
        slots[slot] = c.kind;
    }
    std::vector<Argument> arguments;
    for (const std::optional<Argument>& slot : slots) {
        arguments.push_back(*slot);
    }
    return arguments;
}

struct Table {
    std::string path;
    resgen::StringTable strings;
    std::map<std::uint32_t, int> lines;

    bool HasComparisonPhrases() const { return strings.contains(kComparisonPhrases[0]); }

    // What the code passes to the format text with this id, when it is one.
    std::optional<std::vector<Argument>> ArgumentsFor(std::uint32_t id) const {
        const auto stated = kComparisonsStated.find(id);
        if (HasComparisonPhrases() && stated != kComparisonsStated.end()) {
            return std::vector(stated->second, Argument::Text);
        }
        const auto arguments = kFormatArguments.find(id);
        return arguments == kFormatArguments.end() ? std::nullopt
                                                   : std::optional(arguments->second);
    }

    std::string Where(std::uint32_t id) const {
        const auto line = lines.find(id);
        return path + ":" + (line == lines.end() ? "?" : std::to_string(line->second)) +
               ": string " + std::to_string(id);
    }
};

Table Read(const std::filesystem::path& path) {
    Table table{path.string(), {}, {}};
    table.strings = resgen::ReadStringTable(table.path, &table.lines);
    return table;
}

std::vector<Table> Languages() {
    std::vector<Table> tables;
    for (const auto& folder : std::filesystem::directory_iterator(
             std::filesystem::path(VERITOR_SOURCE_DIR) / "resources")) {
        if (std::filesystem::exists(folder.path() / "strings.txt")) {
            tables.push_back(Read(folder.path() / "strings.txt"));
        }
    }
    return tables;
}

const Table& English() {
    static const Table table =
        Read(std::filesystem::path(VERITOR_SOURCE_DIR) / "resources/english/strings.txt");
    return table;
}

// Translators edit the format texts: in every language each takes exactly the arguments the
// code passes, in any order that positions give it, and no other text holds a percent sign.
TEST(LanguageStrings, EveryFormatTakesWhatTheCodePassesAndNoOtherTextAPercentSign) {
    for (const Table& table : Languages()) {
        for (const auto& [id, text] : table.strings) {
            const std::optional<std::vector<Argument>> expected = table.ArgumentsFor(id);
            if (!expected) {
                EXPECT_EQ(text.find('%'), std::string::npos)
                    << table.Where(id) << ": a text shown as it stands holds a percent sign";
                continue;
            }
            EXPECT_EQ(ArgumentsAskedFor(text), *expected)
                << table.Where(id) << ": \"" << text << "\" does not take the " << expected->size()
                << " arguments the code passes";
        }
    }
}

TEST(LanguageStrings, EveryLanguageHasEveryEnglishTextAndNoOtherButTheOptionalOnes) {
    for (const std::uint32_t id : kOptionalTexts) {
        EXPECT_FALSE(English().strings.contains(id)) << English().Where(id);
    }
    for (const Table& table : Languages()) {
        for (const auto& [id, text] : English().strings) {
            EXPECT_TRUE(table.strings.contains(id))
                << table.path << ": string " << id << " (\"" << text << "\") is missing";
        }
        for (const auto& [id, text] : table.strings) {
            EXPECT_TRUE(English().strings.contains(id) ||
                        std::ranges::find(kOptionalTexts, id) != std::end(kOptionalTexts))
                << table.Where(id) << ": the English table has no such string";
        }
        for (const std::uint32_t id : kComparisonPhrases) {
            EXPECT_EQ(table.strings.contains(id), table.HasComparisonPhrases())
                << table.path << ": string " << id << ": comparison phrases come all five or none";
        }
    }
}

// The element and attribute names, validator and engine are a file format: the same in every
// language, so that a document saved in one language loads in another.
TEST(LanguageStrings, FileFormatNamesAreTheSameInEveryLanguage) {
    for (const Table& table : Languages()) {
        for (const std::uint32_t id : kFileFormatNames) {
            const auto text = table.strings.find(id);
            ASSERT_NE(text, table.strings.end()) << table.path << ": string " << id;
            EXPECT_EQ(text->second, English().strings.at(id)) << table.Where(id);
        }
        for (const std::uint32_t id :
             {2019u, 2020u, 2021u, 2022u, 2033u, 2034u, 2035u, 2036u, 2037u, 2038u}) {
            EXPECT_TRUE(
                std::regex_match(English().strings.at(id), std::regex("[A-Za-z_][A-Za-z0-9_.-]*")))
                << English().Where(id) << ": not an XML name";
        }
    }
}

TEST(LanguageStrings, TheFormatCheckTellsFittingFormatsFromOthers) {
    using A = Argument;
    const std::pair<const char*, std::optional<std::vector<Argument>>> cases[] = {
        {"%s of %s", std::vector{A::Text, A::Text}},
        {"%2$s の %1$s", std::vector{A::Text, A::Text}},
        {"100%% %s", std::vector{A::Text}},
        {"from %g to %.1f", std::vector{A::Number, A::Number}},
        {"%2$g to %1$g", std::vector{A::Number, A::Number}},
        {"plain", std::vector<Argument>{}},
        {"%1$s %s", std::nullopt},    // mixed
        {"%1$s %1$s", std::nullopt},  // repeated
        {"%1$s %3$s", std::nullopt},  // a gap
        {"%d", std::nullopt},         // an integer the code never passes
        {"%-4s", std::nullopt},       // a text padded: not what the code formats
        {"50 %", std::nullopt},       // a lone percent sign
        {"%*s", std::nullopt},        // reads a width argument
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(ArgumentsAskedFor(format), expected) << format;
    }
}

}  // namespace
