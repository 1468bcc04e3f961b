#include "params/UnitLabels.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <span>

#include "app/ResourceHandleSwitch.h"
#include "host/TeskXMLNode.h"
#include "params/NumberText.h"

namespace {

constexpr UINT IDS_UNIT_MILLIMETRE = 2000;
constexpr UINT IDS_UNIT_RADIAN = 2001;
constexpr UINT IDS_UNIT_DEGREE_MINUTE = 2002;
constexpr UINT IDS_UNIT_ANGSTROM = 2003;
constexpr UINT IDS_UNIT_NANOMETRE = 2004;
constexpr UINT IDS_UNIT_MICROMETRE = 2005;
constexpr UINT IDS_UNIT_CENTIMETRE = 2006;
constexpr UINT IDS_UNIT_METRE = 2007;
constexpr UINT IDS_UNIT_MICROINCH = 2008;
constexpr UINT IDS_UNIT_MIL = 2009;
constexpr UINT IDS_UNIT_INCH = 2010;
constexpr UINT IDS_UNIT_FOOT = 2011;
constexpr UINT IDS_UNIT_DEGREE = 2012;
constexpr UINT IDS_UNIT_DEGREE_MINUTE_SECOND = 2013;

constexpr const wchar_t* kUnitAttribute = L"Unit";

struct UnitLabel {
    std::int32_t code;
    UINT stringId;
};

// Linear code 5 (feet and inches) has no label.
constexpr UnitLabel kLinearLabels[] = {
    {0, IDS_UNIT_MILLIMETRE}, {1, IDS_UNIT_CENTIMETRE}, {2, IDS_UNIT_METRE},
    {3, IDS_UNIT_INCH},       {4, IDS_UNIT_FOOT},       {6, IDS_UNIT_ANGSTROM},
    {7, IDS_UNIT_NANOMETRE},  {8, IDS_UNIT_MICROMETRE}, {9, IDS_UNIT_MIL},
    {10, IDS_UNIT_MICROINCH},
};

constexpr UnitLabel kAngularLabels[] = {
    {0, IDS_UNIT_DEGREE},
    {1, IDS_UNIT_RADIAN},
    {2, IDS_UNIT_DEGREE_MINUTE},
    {3, IDS_UNIT_DEGREE_MINUTE_SECOND},
};

CString LabelOf(std::span<const UnitLabel> labels, std::int32_t code) {
    const auto found = std::find_if(labels.begin(), labels.end(),
                                    [code](const UnitLabel& label) { return label.code == code; });
    return found == labels.end() ? CString() : LoadLanguageString(found->stringId);
}

}  // namespace

CString LinearUnitLabel(std::int32_t code) {
    return LabelOf(kLinearLabels, code);
}

CString AngularUnitLabel(std::int32_t code) {
    return LabelOf(kAngularLabels, code);
}

std::int32_t ReadLinearUnitCode(TeskXMLNode* ruleElement) {
    if (!ruleElement) {
        return 0;
    }
    const std::unique_ptr<TeskXMLNode> parent(ruleElement->GetParentNode());
    CString text;
    if (!parent || !parent->GetAttributeValue(kUnitAttribute, text)) {
        return 0;
    }
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(ScanInteger(text).value_or(0), Limits::min(), Limits::max()));
}
