#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/CTeskParamStorage.h"
#include "host/TeskParamData.h"

class TeskXMLNode;
class TeskXMLNodeList;

// A parameter's record in the rule XML document:
//
//   <Parameter Name="..." Type="id" Status="1|0">
//     <Operator>n</Operator>
//     <ParameterType>n</ParameterType>
//     <Value>text</Value>...                        (table parameters: <Value Attribute1="..."
//     <Remarks>...</Remarks>                          Attribute2="..." .../>, one per row)
//   </Parameter>

// A new "Parameter" element for the record, created in the module's document; the caller
// appends it and deletes the returned wrapper. A range parameter whose value count is
// neither even nor a multiple of three cannot be written meaningfully: its values are reset
// first, which changes the record. Null, and the record untouched, when the host has handed
// over no document.
template <Type_e E>
TeskXMLNode* GetParameterXML(TeskParamDataOf<E>& record);

// Reads the record back from the first "Parameter" child of the rule element whose "Type"
// is the record's Id. Values are appended to those the record already holds; one value per
// "Value" element, the preset (0, false, null) where a text does not convert. Table rows keep
// only their first four strings. Without a matching element the record stays as it is.
template <Type_e E>
void PopulateParameterFromXML(TeskParamDataOf<E>& record, TeskXMLNode* ruleElement);

// The same for a parameter of any value type. Null (write) or false (read) when the value
// type is outside 1 to 8; the write also gives null without a document.
TeskXMLNode* WriteParameterXML(CTeskParamStorage& parameter);
bool ReadParameterXML(CTeskParamStorage& parameter, TeskXMLNode* ruleElement);

// The "Parameter" children of a rule element with the ids they name, taken once for reading
// all of a rule's parameters instead of once per parameter.
class ParameterRecords {
public:
    explicit ParameterRecords(const TeskXMLNode& ruleElement);
    ~ParameterRecords();
    ParameterRecords(const ParameterRecords&) = delete;
    ParameterRecords& operator=(const ParameterRecords&) = delete;

    // The first record naming this id, owned by this object; null when none does.
    const TeskXMLNode* Find(std::int32_t id) const;

private:
    std::unique_ptr<TeskXMLNodeList> m_records;
    std::vector<std::optional<std::int32_t>> m_ids;
};

// ReadParameterXML from records taken before.
bool ReadParameterXML(CTeskParamStorage& parameter, const ParameterRecords& records);
