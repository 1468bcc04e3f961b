#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include <dlfcn.h>

#include "platform/ModuleLibrary.h"
#include "platform/ResourceTable.h"
#include "platform/Utf.h"

namespace {

// What the code passes to each format text: that many arguments, all texts (each for one %s)
// or all floating-point numbers (each for one conversion such as %g or %.1f).
enum class Argument { Text, Number };
struct FormatArguments {
    int count;
    Argument kind = Argument::Text;
};
const std::map<UINT, FormatArguments> kFormatArguments{
    {2023, {3}},
    {2024, {3}},
    {2097, {2}},
    {2098, {3}},
    {2116, {6}},
    {2130, {1}},
    {2145, {3}},
    {2146, {3}},
    {2162, {2}},
    {2189, {5}},
    {2199, {9}},
    {2240, {1}},
    {2249, {2, Argument::Number}},
};

bool Fits(const std::string& conversion, Argument kind) {
    static const std::regex number(R"(%[-+ #0]*[0-9]*(\.[0-9]+)?[eEfFgG])");
    return kind == Argument::Text ? conversion == "%s" : std::regex_match(conversion, number);
}

// Conversions in a printf format, "%%" aside.
std::vector<std::string> Conversions(const std::string& text) {
    static const std::regex conversion(R"(%[-+ #0]*[0-9*]*(\.[0-9*]+)?[hlLqjzt]*[a-zA-Z%])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion);
         it != std::sregex_iterator(); ++it) {
        if (it->str() != "%%") {
            found.push_back(it->str());
        }
    }
    return found;
}

std::vector<std::filesystem::path> LanguageLibraries() {
    std::vector<std::filesystem::path> libraries;
    for (const auto& folder :
         std::filesystem::directory_iterator(std::filesystem::path(VERITOR_STAGE_DIR) / "Lang")) {
        libraries.push_back(folder.path() / "TeskIMRulesResu.so");
    }
    return libraries;
}

// Translators edit the format texts: in every language each one takes exactly the texts the
// code passes, and no other text holds a conversion that would read an argument.
TEST(LanguageResources, EveryFormatFitsTheArgumentsTheCodePasses) {
    const std::vector<std::filesystem::path> libraries = LanguageLibraries();
    ASSERT_FALSE(libraries.empty());
    for (const std::filesystem::path& path : libraries) {
        SCOPED_TRACE(path.string());
        HINSTANCE library = AfxLoadLibrary(CString(path.wstring()));
        ASSERT_NE(library, nullptr);
        const auto* table = static_cast<const TeskStringTable*>(dlsym(library, kStringTableSymbol));
        ASSERT_NE(table, nullptr);
        for (std::uint32_t i = 0; i < table->count; ++i) {
            const UINT id = table->entries[i].id;
            const std::vector<std::string> conversions = Conversions(table->entries[i].text);
            const auto expected = kFormatArguments.find(id);
            const FormatArguments arguments =
                expected == kFormatArguments.end() ? FormatArguments{0} : expected->second;
            EXPECT_EQ(conversions.size(), static_cast<std::size_t>(arguments.count))
                << "string " << id << ": " << table->entries[i].text;
            for (const std::string& conversion : conversions) {
                EXPECT_TRUE(Fits(conversion, arguments.kind))
                    << "string " << id << ": " << conversion;
            }
        }
        for (const auto& [id, arguments] : kFormatArguments) {
            EXPECT_FALSE(LoadString(library, id).IsEmpty()) << "format " << id << " is missing";
        }
        AfxFreeLibrary(library);
    }
}

// The element and attribute names are a file format: the same in every language.
TEST(LanguageResources, XmlNamesAreTheSameInEveryLanguage) {
    const std::vector<std::filesystem::path> libraries = LanguageLibraries();
    std::map<UINT, CString> english;
    for (const std::filesystem::path& path : libraries) {
        HINSTANCE library = AfxLoadLibrary(CString(path.wstring()));
        ASSERT_NE(library, nullptr);
        for (const UINT id :
             {2019u, 2020u, 2021u, 2022u, 2033u, 2034u, 2035u, 2036u, 2037u, 2038u}) {
            const CString name = LoadString(library, id);
            EXPECT_TRUE(std::regex_match(platform::Utf8FromWide(name.str()),
                                         std::regex("[A-Za-z_][A-Za-z0-9_.-]*")))
                << path << " string " << id << ": " << name;
            const auto [known, inserted] = english.emplace(id, name);
            EXPECT_TRUE(inserted || known->second == name) << path << " string " << id;
        }
        AfxFreeLibrary(library);
    }
}

}  // namespace
