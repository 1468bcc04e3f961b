#include "document/RuleDocument.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <sstream>

#include "app/ModuleExports.h"
#include "document/DocumentChecks.h"
#include "document/DocumentNodes.h"
#include "document/KnownRules.h"
#include "document/UnitCodes.h"
#include "host/HeldReferences.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

constexpr const char* kRootName = "RuleSet";

std::string Utf8(const CString& text) {
    return platform::Utf8FromWide(text.str());
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

bool EndsLinesWithCrLf(std::string_view text) {
    const std::size_t lineEnd = text.find('\n');
    return lineEnd != std::string_view::npos && lineEnd > 0 && text[lineEnd - 1] == '\r';
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
    const std::optional<std::string_view> asItStands = encoding.Utf8AsItStands(bytes, path);
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
    document->m_crlf = EndsLinesWithCrLf(utf8);
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
        if (const KnownRule* kind = LoadRuleOf(known, entry)) {
            AddShapeWarnings(*kind->rule, *entry.rule, element);
        }
        visit(entry);
    }
}

const KnownRule* RuleDocument::LoadRuleOf(const KnownRules& known, LoadedRule& entry) const {
    entry.rule.reset();
    const KnownRule* rule = FindKind(known, entry.element->Handle());
    if (rule) {
        entry.rule = rule->kind->makeDefault();
        entry.rule->PopulateParametersFromXML(entry.element.get());
        entry.rule->UpdateRule(&m_units, &m_units);
    }
    return rule;
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
            recordIds.push_back(LeadingNumber(ReadableText(type.value()).c_str()));
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
