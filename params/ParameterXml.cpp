#include "params/ParameterXml.h"

#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "app/CTeskCommonRulesApp.h"
#include "host/HeldReferences.h"
#include "host/TeskXMLDocument.h"
#include "host/TeskXMLNode.h"
#include "params/NumberText.h"
#include "params/ValueConversion.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

// The names of a record, as the document holds them: a record is written and read without a
// wide copy of each name.
constexpr const char* kParameterElement = "Parameter";
constexpr const char* kNameAttribute = "Name";
constexpr const char* kIdAttribute = "Type";
constexpr const char* kStatusAttribute = "Status";
constexpr const char* kOperatorElement = "Operator";
constexpr const char* kParameterTypeElement = "ParameterType";
constexpr const char* kValueElement = "Value";
constexpr const char* kRemarksElement = "Remarks";

// Rows are written with all their strings, but only this many are read back.
constexpr int kReadRowColumns = 4;

using NodePtr = std::unique_ptr<TeskXMLNode>;

// Columns count from 1.
CString RowAttributeName(int column) {
    CString name;
    name.Format(L"Attribute%d", column);
    return name;
}

void AppendTextChild(TeskXMLNode& parent, const char* name, const CString& text) {
    if (const NodePtr child{parent.AppendNode(name)}) {
        child->SetNodeValue(text);
    }
}

// An empty row leaves no trace in the document.
void AppendRow(TeskXMLNode& parent, const CStringList& row) {
    if (row.IsEmpty()) {
        return;
    }
    const NodePtr value(parent.AppendNode(kValueElement));
    if (!value) {
        return;
    }
    int column = 1;
    for (POSITION pos = row.GetHeadPosition(); pos;) {
        value->AddAttribute(RowAttributeName(column++), row.GetNext(pos));
    }
}

std::unique_ptr<CStringList> ReadRow(const TeskXMLNode& value) {
    auto row = std::make_unique<CStringList>();
    for (int column = 1; column <= kReadRowColumns; ++column) {
        CString text;
        if (value.GetAttributeValue(RowAttributeName(column), text)) {
            row->AddTail(text);
        }
    }
    return row;
}

// A range takes pairs or triples of values; any other count is dropped before writing.
template <typename T>
void NormaliseRangeValues(TeskParamData<T>& record) {
    const int count = record.Values.GetCount();
    if (record.Operator == TESK_OP_RANGE && count % 3 != 0 && count % 2 != 0) {
        record.Values.Reset();
    }
}

template <Type_e E>
void WriteValues(const TeskParamDataOf<E>& record, TeskXMLNode& element) {
    for (int i = 0; i < record.Values.GetCount(); ++i) {
        const TeskValueOf<E>& value = record.Values.ElementAt(i);
        if (record.ParameterType == TESK_PARAM_TABLE) {
            AppendRow(element, ValueToStrings<E>(value));
        } else {
            AppendTextChild(element, kValueElement, ValueToText<E>(value));
        }
    }
}

// The parameter's id, or nothing when "Type" is missing, does not start with a number or
// lies outside the 32-bit range: such an element names no parameter.
std::optional<std::int32_t> ReadParameterId(const TeskXMLNode& element) {
    const pugi::xml_attribute attribute = element.Handle().attribute(kIdAttribute);
    if (!attribute) {
        return std::nullopt;
    }
    if (const std::optional<int> plain = PlainDigits(attribute.value())) {
        return *plain;
    }
    const std::optional<std::int64_t> id =
        ScanInteger(CString(platform::WideFromUtf8(ReadableText(attribute.value()).c_str())));
    using Limits = std::numeric_limits<std::int32_t>;
    if (!id || *id < Limits::min() || *id > Limits::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*id);
}

// The whole-number text of the first child so named; 0 when there is none or its text is not
// a number that fits.
std::int32_t ReadChildNumber(const TeskXMLNode& parent, const char* name) {
    int number = 0;
    if (const pugi::xml_node child = parent.Handle().child(name)) {
        TeskXMLNode(child).GetNodeValueInInt(number);
    }
    return number;
}

// Only an explicit "0" switches the parameter off.
bool ReadStatus(const TeskXMLNode& element) {
    return std::strcmp(ReadableText(element.Handle().attribute(kStatusAttribute).value()).c_str(),
                       "0") != 0;
}

template <Type_e E>
void ReadValues(const TeskXMLNode& element, TeskParamDataOf<E>& record) {
    // The record's own nodes, named as GetNodeList names them, without a list built per record.
    for (const pugi::xml_node child : element.Handle().children(kValueElement)) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        const TeskXMLNode node(child);
        TeskValueOf<E> value{};
        if (record.ParameterType == TESK_PARAM_TABLE) {
            StringsToValue<E>(ReadRow(node), value);
        } else if constexpr (E == TESK_TYPE_DOUBLE) {
            if (const std::optional<double> number =
                    ScanDoubleUtf8(ReadableText(child.text().get()).c_str())) {
                value = *number;
            }
        } else {
            TextToValue<E>(node.GetNodeValue(), value);
        }
        record.Values.Add(value);
    }
}

}  // namespace

template <Type_e E>
TeskXMLNode* GetParameterXML(TeskParamDataOf<E>& record) {
    if (!g_pXMLDoc) {
        return nullptr;
    }
    NormaliseRangeValues(record);
    NodePtr element(g_pXMLDoc->CreateNode(kParameterElement));
    if (!element) {
        return nullptr;
    }
    element->AddAttribute(kNameAttribute, record.Name);
    element->AddAttribute(kIdAttribute, DecimalText(record.Id));
    element->AddAttribute(kStatusAttribute, record.Status ? L"1" : L"0");
    AppendTextChild(*element, kOperatorElement, DecimalText(record.Operator));
    AppendTextChild(*element, kParameterTypeElement, DecimalText(record.ParameterType));
    WriteValues<E>(record, *element);
    AppendTextChild(*element, kRemarksElement, record.Remarks);
    return element.release();
}

ParameterRecords::ParameterRecords(const TeskXMLNode& ruleElement)
    : m_records(ruleElement.GetNodeList(kParameterElement)) {
    m_ids.reserve(static_cast<std::size_t>(m_records->GetSize()));
    for (int i = 0; i < m_records->GetSize(); ++i) {
        m_ids.push_back(ReadParameterId(*m_records->GetItem(i)));
    }
}

ParameterRecords::~ParameterRecords() = default;

const TeskXMLNode* ParameterRecords::Find(std::int32_t id) const {
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] == id) {
            return m_records->GetItem(static_cast<int>(i));
        }
    }
    return nullptr;
}

namespace {

template <Type_e E>
void PopulateParameterFromRecords(TeskParamDataOf<E>& record, const ParameterRecords& records) {
    const TeskXMLNode* element = records.Find(record.Id);
    if (!element) {
        return;
    }
    record.Operator = static_cast<TeskOperator_e>(ReadChildNumber(*element, kOperatorElement));
    record.ParameterType =
        static_cast<TeskParamType_e>(ReadChildNumber(*element, kParameterTypeElement));
    record.Status = ReadStatus(*element);
    ReadValues<E>(*element, record);
}

}  // namespace

template <Type_e E>
void PopulateParameterFromXML(TeskParamDataOf<E>& record, TeskXMLNode* ruleElement) {
    if (ruleElement) {
        PopulateParameterFromRecords<E>(record, ParameterRecords(*ruleElement));
    }
}

TeskXMLNode* WriteParameterXML(CTeskParamStorage& parameter) {
    TeskXMLNode* element = nullptr;
    parameter.Visit([&element](auto valueType, auto& record) {
        element = GetParameterXML<decltype(valueType)::value>(record);
    });
    return element;
}

bool ReadParameterXML(CTeskParamStorage& parameter, TeskXMLNode* ruleElement) {
    return parameter.Visit([ruleElement](auto valueType, auto& record) {
        PopulateParameterFromXML<decltype(valueType)::value>(record, ruleElement);
    });
}

bool ReadParameterXML(CTeskParamStorage& parameter, const ParameterRecords& records) {
    return parameter.Visit([&records](auto valueType, auto& record) {
        PopulateParameterFromRecords<decltype(valueType)::value>(record, records);
    });
}

#define INSTANTIATE_PARAMETER_XML(E)                               \
    template TeskXMLNode* GetParameterXML<E>(TeskParamDataOf<E>&); \
    template void PopulateParameterFromXML<E>(TeskParamDataOf<E>&, TeskXMLNode*);

INSTANTIATE_PARAMETER_XML(TESK_TYPE_INT)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_LONG)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_BOOL)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_DOUBLE)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_TEXT)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_OPAQUE)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_UNSIGNED)
INSTANTIATE_PARAMETER_XML(TESK_TYPE_TEXT_LIST)

#undef INSTANTIATE_PARAMETER_XML
