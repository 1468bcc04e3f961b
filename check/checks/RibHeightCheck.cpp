#include "check/checks/RibHeightCheck.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "check/checks/MeasuredRibs.h"
#include "host/CTeskParamStorage.h"
#include "host/CTeskRule.h"
#include "platform/Utf.h"
#include "rules/CTeskRibHeightForThicknessRule.h"

namespace check {
namespace {

// A number text as the table writes it; nothing for any other text.
std::optional<double> Number(const CString& text) {
    const std::string bytes = platform::Utf8FromWide(text.str());
    double value = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (error != std::errc{} || end != bytes.data() + bytes.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::pair<double, double>> Row(const CStringList& texts) {
    if (texts.GetCount() < 2) {
        return std::nullopt;
    }
    POSITION at = texts.GetHeadPosition();
    const std::optional<double> thickness = Number(texts.GetNext(at));
    const std::optional<double> height = Number(texts.GetNext(at));
    if (!thickness || !height || !(*thickness > 0) || !(*height > 0)) {
        return std::nullopt;
    }
    return std::pair{*thickness, *height};
}

}  // namespace

RibHeightCheck::RibHeightCheck(CTeskRule& rule) : RuleCheck(rule) {
    CTeskParamStorage* table =
        rule.FindParameterInArray(CTeskRibHeightForThicknessRule::kThicknessHeightTable);
    auto* rows = table ? table->GetData<TESK_TYPE_TEXT_LIST>() : nullptr;
    if (!rows) {
        return;
    }
    m_on = table->GetFields()->Status;
    for (int i = 0; i < rows->Values.GetCount(); ++i) {
        const CStringList* texts = rows->Values.ElementAt(i);
        if (const auto row = texts ? Row(*texts) : std::nullopt) {
            m_rows.push_back(*row);
        }
    }
    std::ranges::sort(m_rows);
}

double RibHeightCheck::HeightFor(double wall, double tolerance) const {
    double height = m_rows.front().second;
    for (const auto& [thickness, allowed] : m_rows) {
        if (thickness <= wall + tolerance * std::max(1.0, wall)) {
            height = allowed;
        }
    }
    return height;
}

RuleResult RibHeightCheck::Run(CheckContext& context) const {
    if (!context.GetPart().hasSurfaces) {
        return NotChecked(kRibsNeedSurfaces);
    }
    if (!m_on) {
        return NotChecked("the table is switched off");
    }
    if (m_rows.empty()) {
        return NotChecked("the table has no row with a thickness and a height above 0");
    }
    const DocumentUnits& units = context.Units();
    RuleResult result = Checked(units.LengthName());
    const MeasuredRibs measured = MeasuredRibs::Of(context);
    for (const MeasuredRib& rib : measured.ribs) {
        const double wall = units.LengthFromMillimetres(rib.wall);
        const RuleLimit limit{true, TESK_OP_LESS_EQUAL, HeightFor(wall, context.Tolerance())};
        const double height = units.LengthFromMillimetres(rib.rib->height);
        if (!limit.Meets(height, context.Tolerance())) {
            result.findings.push_back(At(rib.rib->side, height, limit.value, OnAWall(wall)));
        }
    }
    result.figures = {
        {"ribs", static_cast<double>(measured.ribs.size())},
        {"ribs on a wall not measured", static_cast<double>(measured.wallsNotMeasured)}};
    return result;
}

}  // namespace check
