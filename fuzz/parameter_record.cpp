// One parameter record from outside, read into a parameter of every value type and written
// back. A written record read into a fresh parameter of the same type must write the same
// element again: writing and reading never lose or change what the parameter holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "app/ModuleExports.h"
#include "host/TeskXMLDocument.h"
#include "host/TeskXMLNode.h"
#include "params/ParameterXml.h"
#include "platform/Utf.h"

namespace {

using NodePtr = std::unique_ptr<TeskXMLNode>;

// A mould wall thickness parameter, for records that name none.
constexpr std::int32_t kPresetId = 2095;

std::string Text(const TeskXMLNode* node) {
    std::ostringstream out;
    if (node) {
        node->Handle().print(out, "", pugi::format_raw);
    }
    return out.str();
}

// The id the first "Parameter" element names, so that the parameters read it.
std::int32_t FirstParameterId(const TeskXMLNode& rule) {
    const NodePtr first(rule.SelectSingleNode(L"Parameter"));
    CString text;
    if (!first || !first->GetAttributeValue(L"Type", text)) {
        return kPresetId;
    }
    try {
        return static_cast<std::int32_t>(std::stol(platform::Utf8FromWide(text.str())));
    } catch (const std::exception&) {
        return kPresetId;
    }
}

// The written record read back into a fresh parameter of the same type and written again.
NodePtr ReadBack(TeskXMLDocument& document, Type_e type, std::int32_t id, TeskXMLNode& written) {
    const NodePtr rule(document.CreateNode(L"Rule"));
    delete rule->AppendNode(&written);
    CTeskParamStorage fresh(type, id, TESK_OP_NONE, TeskParamType_e{}, true);
    ReadParameterXML(fresh, rule.get());
    return NodePtr(WriteParameterXML(fresh));
}

// Rows that write nothing (empty ones, and every row of a type without rows) change the number
// of values; a range then drops a count it cannot take on the next write. Such a record
// settles after one cycle instead of at once.
bool SettlesAfterOneCycle(const CTeskParamStorage& parameter) {
    const TeskParamFields* fields = parameter.GetFields();
    return fields->ParameterType == TESK_PARAM_TABLE && fields->Operator == TESK_OP_RANGE;
}

[[noreturn]] void Fail(int type, const std::string& before, const std::string& after) {
    std::fprintf(stderr, "value type %d: the record changes when read back\n%s\n%s\n", type,
                 before.c_str(), after.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TeskXMLDocument document;
    std::string error;
    if (!document.LoadText(std::string_view(reinterpret_cast<const char*>(data), size), error)) {
        return 0;
    }
    SetXMLDoc(&document);
    const NodePtr rule(document.GetRootNode());
    const std::int32_t id = FirstParameterId(*rule);
    for (int type = TESK_TYPE_INT; type <= TESK_TYPE_TEXT_LIST; ++type) {
        CTeskParamStorage parameter(static_cast<Type_e>(type), id, TESK_OP_NONE, TeskParamType_e{},
                                    true);
        ReadParameterXML(parameter, rule.get());
        const NodePtr written(WriteParameterXML(parameter));
        if (!written) {
            std::fprintf(stderr, "value type %d: nothing written\n", type);
            std::abort();
        }
        const std::string first = Text(written.get());
        const NodePtr second = ReadBack(document, static_cast<Type_e>(type), id, *written);
        if (!SettlesAfterOneCycle(parameter)) {
            if (Text(second.get()) != first) {
                Fail(type, first, Text(second.get()));
            }
            continue;
        }
        const std::string settled = Text(second.get());
        if (!second) {
            Fail(type, first, settled);
        }
        const NodePtr third = ReadBack(document, static_cast<Type_e>(type), id, *second);
        if (Text(third.get()) != settled) {
            Fail(type, settled, Text(third.get()));
        }
    }
    SetXMLDoc(nullptr);
    return 0;
}
