#include "document/RoundingCheck.h"

#include <fmt/format.h>
#include <cmath>

#include "host/CTeskUnitConvertor.h"
#include "params/NumberText.h"
#include "platform/Utf.h"

namespace {

constexpr double kStoredScale = 1e6;       // six decimals
constexpr double kNoticeableShare = 1e-3;  // 0.1%
// From 2^52 on a double holds no fraction for the six decimals to round away; scaling it up to
// round it would overflow.
constexpr double kWholeFrom = 4503599627370496.0;

double Stored(double exact) {
    if (!(std::fabs(exact) < kWholeFrom)) {
        return exact;
    }
    return std::round(exact * kStoredScale) / kStoredScale;
}

bool LosesNoticeably(double exact, double stored) {
    return exact != 0 && std::fabs(stored - exact) > kNoticeableShare * std::fabs(exact);
}

std::string Utf8(const CString& text) {
    return platform::Utf8FromWide(text.str());
}

// The number texts of a table parameter's rows, by row and column.
template <typename Visit>
void ForEachCell(CTeskParamStorage& param, Visit visit) {
    TeskParamDataOf<TESK_TYPE_TEXT_LIST>* table = param.GetData<TESK_TYPE_TEXT_LIST>();
    for (int row = 0; table && row < table->Values.GetCount(); ++row) {
        const CStringList* cells = table->Values.ElementAt(row);
        int column = 0;
        for (POSITION pos = cells ? cells->GetHeadPosition() : POSITION(); pos; ++column) {
            visit(row, column, cells->GetNext(pos));
        }
    }
}

}  // namespace

// Table texts are rounded by the conversion itself, so their exact values are taken now.
RoundingCheck::RoundingCheck(const CTeskRule& rule, const RuleUnitSystemStructure& from,
                             const RuleUnitSystemStructure& to) {
    if (from.linearUnit == to.linearUnit) {
        return;
    }
    const CTeskUnitConvertor convertor;
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        if (!param || !param->GetFields()) {
            continue;
        }
        ForEachCell(*param, [&](int row, int column, const CString& text) {
            m_tableCells.push_back(
                {param->GetFields()->Id, row, column,
                 convertor.ConversionFromOneUnitToAnother(ParseNumber(text), TESK_UNIT_KIND_LENGTH,
                                                          from.linearUnit, to.linearUnit)});
        });
    }
}

std::vector<std::string> RoundingCheck::Losses(CTeskRule& rule) const {
    std::vector<std::string> losses;
    const std::string name = Utf8(rule.m_strName);
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        TeskParamDataOf<TESK_TYPE_DOUBLE>* data =
            param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr;
        for (int value = 0; data && value < data->Values.GetCount(); ++value) {
            const double exact = data->Values.ElementAt(value);
            if (LosesNoticeably(exact, Stored(exact))) {
                losses.push_back(
                    fmt::format("{}, parameter {}, value {}: {:.9g} would be kept as {:.6f}", name,
                                data->Id, value + 1, exact, Stored(exact)));
            }
        }
    }
    for (const TableCell& cell : m_tableCells) {
        CTeskParamStorage* param = rule.FindParameterInArray(cell.param);
        if (!param) {
            continue;
        }
        ForEachCell(*param, [&](int row, int column, const CString& text) {
            if (row == cell.row && column == cell.column &&
                LosesNoticeably(cell.exact, ParseNumber(text))) {
                losses.push_back(fmt::format("{}, parameter {}, row {}: {:.9g} would be kept as {}",
                                             name, cell.param, row + 1, cell.exact, Utf8(text)));
            }
        });
    }
    return losses;
}
