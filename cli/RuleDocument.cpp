#include "cli/RuleDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fmt/format.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "app/CTeskCommonRulesApp.h"
#include "app/ModuleExports.h"
#include "cli/DocumentEncoding.h"
#include "cli/RuleCatalogue.h"
#include "cli/UnitCodes.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

constexpr UINT IDS_RULE_ELEMENT = 2019;
constexpr UINT IDS_ATTR_NAME = 2020;
constexpr const char* kRootName = "RuleSet";

std::string Utf8(const CString& text) {
    return platform::Utf8FromWide(text.str());
}

CString ModuleText(UINT id) {
    return g_pTheApp ? LoadString(g_pTheApp->m_hLangResDll, id) : CString();
}

// Each rule kind with a rule of it at its defaults, whose English name the kind's elements
// carry and whose parameters tell how the elements are checked; with the element and
// attribute names, these are read once per document, not once per element. Names are kept in
// UTF-8, as the document holds them, so that elements are matched without converting them.
struct KnownRule {
    std::unique_ptr<CTeskRule> rule;
    const RuleKind* kind;
    std::string name;
};

struct KnownRules {
    std::string element = Utf8(ModuleText(IDS_RULE_ELEMENT));
    std::string nameAttribute = Utf8(ModuleText(IDS_ATTR_NAME));
    std::vector<KnownRule> rules;

    KnownRules() {
        for (const RuleKind& kind : RuleCatalogue()) {
            std::unique_ptr<CTeskRule> rule = kind.makeDefault();
            std::string name = Utf8(rule->m_strName);
            rules.push_back({std::move(rule), &kind, std::move(name)});
        }
    }
};

const KnownRule* FindKind(const KnownRules& known, pugi::xml_node element) {
    if (element.type() != pugi::node_element || known.element != element.name()) {
        return nullptr;
    }
    const pugi::xml_attribute attribute = element.attribute(known.nameAttribute.c_str());
    if (!attribute) {
        return nullptr;
    }
    const std::string_view name = attribute.value();
    for (const KnownRule& rule : known.rules) {
        if (rule.name == name) {
            return &rule;
        }
    }
    return nullptr;
}

// Nodes are found by name, and a processing instruction has one too.
bool IsElement(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

// The names a record's parts are told apart by differ in their first letters, which are
// compared before a call compares the rest.
bool NameIs(const char* name, const char* expected) {
    return name[0] == expected[0] && std::strcmp(name, expected) == 0;
}

// The number a text starts with as the rules read it (after blanks, with a sign), 0 when it
// starts with none.
long LeadingNumber(const char* text) {
    if (const std::optional<int> plain = PlainDigits(text)) {
        return *plain;
    }
    const std::string_view narrow(text);
    const bool ascii = std::all_of(narrow.begin(), narrow.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::strtol(text, nullptr, 10)
                 : std::wcstol(platform::WideFromUtf8(narrow).c_str(), nullptr, 10);
}

// A text of the document as messages show it: what is not UTF-8 shown as replacement
// characters, as the rules read it.
std::string Shown(const char* text) {
    return platform::Utf8FromWide(platform::WideFromUtf8(text));
}

std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

bool IsDecimalNumber(const char* text) {
    // A plain decimal is one; the general reader is left the rest.
    if (PlainDecimal(text)) {
        return true;
    }
    const std::string_view view(text);
    double value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    // Infinities and NaN are no values a rule can compare with.
    return error == std::errc() && end == view.data() + view.size() && !view.empty() &&
           std::isfinite(value);
}

std::int32_t ReadUnitAttribute(const std::filesystem::path& path, TeskXMLNode& root,
                               const char* name, std::int32_t last) {
    CString text;
    if (!root.GetAttributeValue(CString(platform::WideFromUtf8(name)), text)) {
        throw DocumentError(
            fmt::format("{}: the RuleSet element has no {} attribute", path.string(), name));
    }
    const std::optional<long long> code = WholeNumber(Utf8(text));
    if (!code || *code < 0 || *code > last) {
        throw DocumentError(fmt::format("{}: {}=\"{}\" is not a unit code from 0 to {}",
                                        path.string(), name, Utf8(text), last));
    }
    return static_cast<std::int32_t>(*code);
}

// The parts of a parameter record the check reads, found in one pass over its children: the
// first node named Operator and the first named ParameterType, whatever their kind, as the
// module reads them, and the first Value element that holds no number.
struct RecordParts {
    pugi::xml_node op;
    pugi::xml_node parameterType;
    pugi::xml_node badValue;

    explicit RecordParts(pugi::xml_node parameter) {
        for (pugi::xml_node child = parameter.first_child(); child; child = child.next_sibling()) {
            const char* name = child.name();
            if (!op && NameIs(name, "Operator")) {
                op = child;
            } else if (!parameterType && NameIs(name, "ParameterType")) {
                parameterType = child;
            } else if (!badValue && IsElement(child) && NameIs(name, "Value") &&
                       !IsDecimalNumber(child.text().get())) {
                badValue = child;
            }
        }
    }
};

// A parameter record the module would read with made-up values is refused instead.
void CheckParameter(const std::string& where, const KnownRule& known, pugi::xml_node parameter) {
    const auto fail = [&](const std::string& problem) {
        throw DocumentError(fmt::format("{}: rule \"{}\": {}", where, known.name, problem));
    };
    const char* id = parameter.attribute("Type").value();
    const std::optional<long long> number = WholeNumber(id);
    if (!number) {
        fail("a Parameter element has no numeric Type attribute");
    }
    const RecordParts parts(parameter);
    const auto readWhole = [&](pugi::xml_node node, const char* child, int& value) {
        if (node && !TeskXMLNode(node).GetNodeValueInInt(value)) {
            fail(fmt::format("parameter {}: {} \"{}\" is not a whole number", id, child,
                             Shown(node.text().get())));
        }
    };
    int op = TESK_OP_NONE;
    readWhole(parts.op, "Operator", op);
    int parameterType = 0;
    readWhole(parts.parameterType, "ParameterType", parameterType);
    // An id beyond 32 bits names no parameter of the module.
    if (*number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::numeric_limits<std::int32_t>::max()) {
        return;
    }
    CTeskParamStorage* target =
        known.rule->FindParameterInArray(static_cast<std::int32_t>(*number));
    if (!target) {
        return;
    }
    if (target->GetValueType() == TESK_TYPE_DOUBLE && parts.badValue) {
        fail(fmt::format("parameter {}: value \"{}\" is not a number", id,
                         Shown(parts.badValue.text().get())));
    }
    // The module leaves a parameter without an operator (0, also when the element is missing)
    // or with the hidden one out of the document it saves: its values would vanish unseen.
    if (!parts.op || op == TESK_OP_NONE || op == TESK_OP_HIDDEN) {
        fail(
            fmt::format("parameter {}: no comparison operator, so it would be lost on saving", id));
    }
}

// Checks every rule element of this module; messages start with where.
void CheckRuleElements(const std::string& where, const KnownRules& known, pugi::xml_node root) {
    for (const pugi::xml_node child : root.children()) {
        if (const KnownRule* rule = FindKind(known, child)) {
            for (const pugi::xml_node parameter : child.children("Parameter")) {
                if (IsElement(parameter)) {
                    CheckParameter(where, *rule, parameter);
                }
            }
        }
    }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw DocumentError(fmt::format(
            "{}: {}", path.string(),
            std::filesystem::exists(path, error) ? "not a regular file" : "no such file"));
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file) {
        throw DocumentError(fmt::format("{}: cannot be read", path.string()));
    }
    return bytes.str();
}

// The parts of a parameter record the rule writes itself.
bool IsWrittenByTheRule(pugi::xml_node child) {
    if (child.type() != pugi::node_element) {
        return false;
    }
    const char* name = child.name();
    return NameIs(name, "Value") || NameIs(name, "Operator") || NameIs(name, "ParameterType") ||
           NameIs(name, "Remarks");
}

bool IsParameterRecord(pugi::xml_node node) {
    return node.type() == pugi::node_element && NameIs(node.name(), "Parameter");
}

// The rewritten element mostly holds the old one's attributes in the same order, so the one at
// the same place is tried before the whole list is searched.
void KeepForeignAttributes(pugi::xml_node old, pugi::xml_node fresh) {
    pugi::xml_attribute samePlace = fresh.first_attribute();
    for (pugi::xml_attribute attribute = old.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        const bool kept = samePlace && std::strcmp(samePlace.name(), attribute.name()) == 0;
        if (!kept && !fresh.attribute(attribute.name())) {
            fresh.append_copy(attribute);
        }
        samePlace = samePlace.next_attribute();
    }
}

// What the module does not write survives a rewrite of a rule: attributes it does not write, and
// the child nodes it does not make (comments, processing instructions, elements of its own, the
// records of parameters the rule does not know), in the rule element and in each of its records.
void KeepForeignContent(pugi::xml_node old, pugi::xml_node fresh) {
    KeepForeignAttributes(old, fresh);
    for (pugi::xml_node child = old.first_child(); child; child = child.next_sibling()) {
        pugi::xml_node record = IsParameterRecord(child)
                                    ? fresh.find_child_by_attribute("Parameter", "Type",
                                                                    child.attribute("Type").value())
                                    : pugi::xml_node();
        if (!record) {
            fresh.append_copy(child);
            continue;
        }
        KeepForeignAttributes(child, record);
        for (pugi::xml_node part = child.first_child(); part; part = part.next_sibling()) {
            if (!IsWrittenByTheRule(part)) {
                record.append_copy(part);
            }
        }
    }
}

// Where the element that starts at start ends in well-formed text: past its end tag, or past
// its own tag when it closes itself; npos when the text does not hold one there.
std::size_t ElementEnd(std::string_view text, std::size_t start) {
    int depth = 0;
    for (std::size_t at = start; at < text.size();) {
        if (text[at] != '<') {
            at = text.find('<', at);
            continue;
        }
        const std::string_view rest = text.substr(at);
        const auto skip = [&](std::string_view closing) {
            const std::size_t close = text.find(closing, at);
            return close == std::string_view::npos ? close : close + closing.size();
        };
        if (rest.starts_with("<!--")) {
            at = skip("-->");
        } else if (rest.starts_with("<![CDATA[")) {
            at = skip("]]>");
        } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
            at = skip(">");
        } else if (rest.starts_with("</")) {
            at = skip(">");
            if (--depth == 0) {
                return at;
            }
        } else {
            char quote = 0;
            std::size_t close = at + 1;
            for (; close < text.size() && (quote || text[close] != '>'); ++close) {
                if (quote ? text[close] == quote : text[close] == '"' || text[close] == '\'') {
                    quote = quote ? 0 : text[close];
                }
            }
            if (close >= text.size()) {
                return std::string_view::npos;
            }
            const bool closesItself = text[close - 1] == '/';
            at = close + 1;
            if (!closesItself) {
                ++depth;
            } else if (depth == 0) {
                return at;
            }
        }
    }
    return std::string_view::npos;
}

}  // namespace

RuleDocument::RuleDocument(std::int32_t linearUnit, std::int32_t angularUnit) {
    std::unique_ptr<TeskXMLNode> root(m_xml.CreateNode(L"RuleSet"));
    m_xml.SetRootNode(root.get());
    m_root.reset(m_xml.GetRootNode());
    SetUnits({linearUnit, angularUnit});
}

RuleDocument::RuleDocument(std::string_view bytes, const std::filesystem::path& path) {
    std::string error;
    if (!m_xml.LoadText(bytes, error)) {
        throw DocumentError(
            fmt::format("{}: not a readable XML document: {}", path.string(), error));
    }
    m_root.reset(m_xml.GetRootNode());
    if (Utf8(m_root->GetNodeName()) != kRootName) {
        throw DocumentError(fmt::format("{}: the root element is <{}>, not <{}>", path.string(),
                                        Utf8(m_root->GetNodeName()), kRootName));
    }
    m_units.linearUnit = ReadUnitAttribute(path, *m_root, "Unit", kLastLinearUnit);
    m_units.angularUnit = ReadUnitAttribute(path, *m_root, "AngularUnit", kLastAngularUnit);
}

std::unique_ptr<RuleDocument> RuleDocument::Load(const std::filesystem::path& path,
                                                 SourceText source) {
    return Parse(ReadFile(path), path, source);
}

std::unique_ptr<RuleDocument> RuleDocument::Parse(std::string_view bytes,
                                                  const std::filesystem::path& path,
                                                  SourceText source) {
    const DocumentEncoding encoding = DocumentEncoding::Of(bytes, path);
    // UTF-8 is parsed as it stands: only a kept source is a copy of it.
    std::string converted;
    const std::optional<std::string_view> asItStands = encoding.Utf8AsItStands(bytes);
    if (!asItStands) {
        converted = encoding.ToUtf8(bytes, path);
    }
    const std::string_view utf8 = asItStands ? *asItStands : std::string_view(converted);
    std::unique_ptr<RuleDocument> document(new RuleDocument(utf8, path));
    document->m_name = path;
    if (source == SourceText::kept) {
        document->m_source = asItStands ? std::string(utf8) : std::move(converted);
    }
    document->m_encoding = encoding;
    CheckRuleElements(path.string(), KnownRules(), document->Root().Handle());
    return document;
}

void RuleDocument::SetUnits(const RuleUnitSystemStructure& units) {
    m_units = units;
    m_root->AddAttribute(L"Unit", CString(std::to_wstring(units.linearUnit)));
    m_root->AddAttribute(L"AngularUnit", CString(std::to_wstring(units.angularUnit)));
}

void RuleDocument::AppendRule(CTeskRule& rule) {
    SetXMLDoc(&m_xml);
    const std::unique_ptr<TeskXMLNode> element(rule.GetXML());
    delete Root().AppendNode(element.get());
}

std::vector<LoadedRule> RuleDocument::LoadRules() {
    std::vector<LoadedRule> loaded;
    ForEachRule([&loaded](LoadedRule& rule) { loaded.push_back(std::move(rule)); });
    return loaded;
}

void RuleDocument::ForEachRule(const std::function<void(LoadedRule&)>& visit) {
    SetXMLDoc(&m_xml);
    const KnownRules known;
    m_warnings.clear();
    const std::unique_ptr<TeskXMLNodeList> children(Root().GetChildNodes());
    for (int i = 0; i < children->GetSize(); ++i) {
        TeskXMLNode& element = *children->GetItem(i);
        LoadedRule entry{std::make_unique<TeskXMLNode>(element.Handle()), nullptr,
                         element.Handle().offset_debug() - 1};
        if (const KnownRule* rule = FindKind(known, element.Handle())) {
            entry.rule = rule->kind->makeDefault();
            entry.rule->PopulateParametersFromXML(&element);
            entry.rule->UpdateRule(&m_units, &m_units);
            AddShapeWarnings(*rule->rule, *entry.rule, element);
        }
        visit(entry);
    }
}

// A record the element lacks, or one with more or fewer values than the rule reads, leaves the
// rule a parameter it will save without a value, or with values it never reads: the person is
// told, naming the rule and the parameter.
void RuleDocument::AddShapeWarnings(const CTeskRule& defaults, CTeskRule& rule,
                                    TeskXMLNode& element) {
    std::vector<long> recordIds;
    for (const pugi::xml_node record : element.Handle().children("Parameter")) {
        const pugi::xml_attribute type = record.attribute("Type");
        if (IsElement(record) && type) {
            recordIds.push_back(LeadingNumber(type.value()));
        }
    }
    const auto hasRecord = [&recordIds](std::int32_t id) {
        return std::find(recordIds.begin(), recordIds.end(), id) != recordIds.end();
    };
    for (int i = 0; i < defaults.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* expected = defaults.m_arrParams.ElementAt(i);
        const TeskParamFields* fields = expected ? expected->GetFields() : nullptr;
        if (!fields) {
            continue;
        }
        const auto where = [&] {
            return fmt::format("{}: rule \"{}\": parameter {}", m_name.string(),
                               Utf8(rule.m_strName), fields->Id);
        };
        if (!hasRecord(fields->Id)) {
            m_warnings.push_back(where() + " has no record; it will be saved without a value");
            continue;
        }
        CTeskParamStorage* actual = rule.FindParameterInArray(fields->Id);
        const auto* reads = expected->GetData<TESK_TYPE_DOUBLE>();
        const auto* holds = actual ? actual->GetData<TESK_TYPE_DOUBLE>() : nullptr;
        if (reads && holds && reads->Values.GetCount() != holds->Values.GetCount()) {
            m_warnings.push_back(fmt::format("{} holds {} value(s) where the rule reads {}",
                                             where(), holds->Values.GetCount(),
                                             reads->Values.GetCount()));
        }
    }
}

void RuleDocument::ReplaceRuleElement(LoadedRule& loaded) {
    SetXMLDoc(&m_xml);
    std::unique_ptr<TeskXMLNode> element(loaded.rule->GetXML());
    if (element) {
        KeepForeignContent(loaded.element->Handle(), element->Handle());
    }
    if (element && Root().ReplaceChild(loaded.element.get(), element.get())) {
        loaded.element = std::move(element);
    }
}

std::string RuleDocument::SaveText(const std::filesystem::path& path) const {
    return m_encoding.FromUtf8(SaveUtf8(path));
}

std::string RuleDocument::SaveUtf8(const std::filesystem::path& path) const {
    CheckRuleElements(path.string() + ": not saved", KnownRules(), m_root->Handle());
    return m_xml.SaveText(m_encoding.Name());
}

std::string RuleDocument::SaveTextChangingOnly(const LoadedRule& loaded,
                                               const std::filesystem::path& path) const {
    return m_encoding.FromUtf8(SpliceRule(loaded, path));
}

std::string RuleDocument::SpliceRule(const LoadedRule& loaded,
                                     const std::filesystem::path& path) const {
    CheckRuleElements(path.string() + ": not saved", KnownRules(), m_root->Handle());
    // The whole document is printed only when the splice cannot be made.
    const auto whole = [this] { return m_xml.SaveText(m_encoding.Name()); };
    const auto start = static_cast<std::size_t>(std::max<std::ptrdiff_t>(loaded.sourceOffset, 0));
    const std::string name = "<" + Utf8(loaded.element->GetNodeName());
    const std::size_t end = ElementEnd(m_source, start);
    if (loaded.sourceOffset < 0 || start >= m_source.size() ||
        m_source.compare(start, name.size(), name) != 0 || end == std::string::npos) {
        return whole();
    }
    // The new element takes the old one's indentation, when it starts a line of its own.
    const std::size_t lineStart = m_source.find_last_of('\n', start) + 1;
    std::string indentation = m_source.substr(lineStart, start - lineStart);
    if (indentation.find_first_not_of(" \t") != std::string::npos) {
        indentation.clear();
    }
    std::ostringstream printed;
    loaded.element->Handle().print(printed, "  ", pugi::format_indent);
    std::string element = printed.str();
    while (!element.empty() && element.back() == '\n') {
        element.pop_back();
    }
    for (std::size_t at = element.find('\n'); at != std::string::npos;
         at = element.find('\n', at + 1 + indentation.size())) {
        element.insert(at + 1, indentation);
    }
    std::string spliced = m_source.substr(0, start) + element + m_source.substr(end);
    // Should the text around the element be anything the splice did not foresee, what does not
    // read back as a document falls back to the whole save.
    TeskXMLDocument check;
    std::string error;
    return check.LoadText(spliced, error) ? spliced : whole();
}
