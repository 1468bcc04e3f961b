#include "document/DocumentChecks.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "document/DocumentError.h"
#include "document/DocumentNodes.h"
#include "host/HeldReferences.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

// A text of the document as messages show it: what is not UTF-8 shown as replacement
// characters, as the rules read it.
std::string Shown(const char* text) {
    return platform::Utf8FromWide(platform::WideFromUtf8(ReadableText(text).c_str()));
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
                       !IsDecimalNumber(ReadableText(child.text().get()).c_str())) {
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
    const ReadableText type(parameter.attribute("Type").value());
    const char* id = type.c_str();
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

}  // namespace

std::int32_t ReadUnitAttribute(const std::filesystem::path& path, TeskXMLNode& root,
                               const char* name, std::int32_t last) {
    CString text;
    if (!root.GetAttributeValue(CString(platform::WideFromUtf8(name)), text)) {
        throw DocumentError(
            fmt::format("{}: the RuleSet element has no {} attribute", path.string(), name));
    }
    const std::string codeText = platform::Utf8FromWide(text.str());
    const std::optional<long long> code = WholeNumber(codeText);
    if (!code || *code < 0 || *code > last) {
        throw DocumentError(fmt::format("{}: {}=\"{}\" is not a unit code from 0 to {}",
                                        path.string(), name, codeText, last));
    }
    return static_cast<std::int32_t>(*code);
}

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
