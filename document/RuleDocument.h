#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DocumentEncoding.h"
#include "document/DocumentError.h"
#include "host/CTeskRule.h"
#include "host/TeskXMLDocument.h"
#include "host/TeskXMLNode.h"

struct KnownRule;
struct KnownRules;

// A rule element of the document together with the rule loaded from it; unknown elements (rules
// of other modules) have no rule and are kept as they are.
struct LoadedRule {
    std::unique_ptr<TeskXMLNode> element;
    std::unique_ptr<CTeskRule> rule;
    std::ptrdiff_t sourceOffset = -1;  // where the element starts in the text it was read from
};

// Whether a document keeps the text it was read from, which a save changing one rule alone
// needs; a document whose every rule is written anew, or that is never saved, does without.
enum class SourceText { kept, dropped };

// A rule document: a "RuleSet" root whose "Unit" and "AngularUnit" attributes give the unit
// system and whose children are rule elements.
//
// Reading takes the document in the encoding it declares and refuses, naming the file, what the
// module would read with made-up values: no unit codes, parameter records without a numeric
// Type, Operator or value, or without an operator that keeps them. Rules of other modules, and
// what the module does not write inside its own rule elements, are kept through a rewrite. A
// save is checked as a read is and written in the encoding the document was read in: either the
// whole document anew, or the text it was read from with one rule's element alone written anew.
class RuleDocument {
public:
    // An empty document in this unit system.
    RuleDocument(std::int32_t linearUnit, std::int32_t angularUnit);
    // Reads and checks the file; throws DocumentError naming the file and the problem.
    static std::unique_ptr<RuleDocument> Load(const std::filesystem::path& path,
                                              SourceText source = SourceText::kept);
    // Checks the document's bytes as Load does; messages name the document by displayName.
    static std::unique_ptr<RuleDocument> Parse(std::string_view bytes,
                                               const std::filesystem::path& displayName,
                                               SourceText source = SourceText::kept);

    RuleUnitSystemStructure Units() const { return m_units; }
    void SetUnits(const RuleUnitSystemStructure& units);

    // Appends the rule's element as the rule writes it.
    void AppendRule(CTeskRule& rule);
    // Loads every known rule element into a new rule of its class, in the document's units.
    std::vector<LoadedRule> LoadRules();
    // Loads the rule elements as LoadRules does, one at a time: each is handed to visit and
    // let go of before the next is loaded, so that the rules of a large document are never all
    // held at once.
    void ForEachRule(const std::function<void(LoadedRule&)>& visit);
    // What the last LoadRules or ForEachRule found amiss in the rule elements, one line each.
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    // Puts the rule's element, as the rule writes it now, in place of the old one.
    void ReplaceRuleElement(LoadedRule& loaded);

    // The text a save writes, in the encoding the document was read in. A document holding
    // what loading it would refuse (a value that overflowed in a conversion, say) is not saved:
    // throws DocumentError naming the path.
    std::string SaveText(const std::filesystem::path& path) const;
    // The text a save writes when only this rule changed: the text the document was read from
    // with that rule's element alone written anew, every other byte as it was. Falls back to
    // SaveText when the element cannot be found in that text or the text was dropped.
    std::string SaveTextChangingOnly(const LoadedRule& loaded,
                                     const std::filesystem::path& path) const;
    // After the rule was changed in place (its dialog confirmed): puts its element in place of
    // the old one and returns SaveTextChangingOnly's text, the document then standing as reading
    // that text would leave it without reading it again: the rule loaded anew from its element,
    // the later rules' places in the text moved by the change of length. Nothing when the splice
    // cannot be made, the element replaced all the same; the caller then reads the whole text.
    std::optional<std::string> ChangeRuleInPlace(LoadedRule& loaded, std::vector<LoadedRule>& rules,
                                                 const std::filesystem::path& path);

private:
    RuleDocument(std::string_view bytes, const std::filesystem::path& path);
    TeskXMLNode& Root() { return *m_root; }
    // Refuses, naming the path, a document that loading would refuse.
    void CheckBeforeSave(const std::filesystem::path& path) const;
    std::string SaveUtf8(const std::filesystem::path& path) const;
    // The whole document printed anew, its lines ended as the text it was read from ended them.
    std::string WholeText() const;
    std::string WithDocumentLineBreaks(std::string text) const;
    std::string SpliceRule(const LoadedRule& loaded, const std::filesystem::path& path) const;
    // The source text with the rule's element alone written anew, in UTF-8; nothing when the
    // element cannot be found in it or the result would not read back.
    std::optional<std::string> SpliceIntoSource(const LoadedRule& loaded) const;
    // The rule of the entry's element, in the document's units, and its kind; none for other
    // modules' rules.
    const KnownRule* LoadRuleOf(const KnownRules& known, LoadedRule& entry) const;
    void AddShapeWarnings(const CTeskRule& defaults, CTeskRule& rule, TeskXMLNode& element);

    TeskXMLDocument m_xml;
    std::unique_ptr<TeskXMLNode> m_root;
    RuleUnitSystemStructure m_units;
    std::filesystem::path m_name;  // the document's path, for messages
    std::string m_source;          // the text the document was read from, in UTF-8
    DocumentEncoding m_encoding = DocumentEncoding::Of("", "");
    bool m_crlf = false;  // the text read ended its lines with CR LF, which the parser made LF
    std::vector<std::string> m_warnings;
};
