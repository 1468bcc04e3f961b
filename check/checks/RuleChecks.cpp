#include "check/checks/RuleChecks.h"

#include <array>

#include "check/checks/DraftAngleCheck.h"
#include "check/checks/FilletRadiusCheck.h"
#include "check/checks/HoleEdgeDistanceCheck.h"
#include "check/checks/NotCheckedRule.h"
#include "check/checks/RibEdgeRadiusCheck.h"
#include "check/checks/RibHeightCheck.h"
#include "check/checks/SurfaceAreaRatioCheck.h"
#include "check/checks/ThicknessVariationCheck.h"
#include "check/checks/UndercutCheck.h"
#include "check/checks/UndercutInterferenceCheck.h"
#include "check/checks/UniformThicknessCheck.h"
#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"
#include "rules/CTeskFilletRadiusRule.h"
#include "rules/CTeskHoleToPartEdgeDistanceRule.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "rules/CTeskIMMoldWallThicknessRule.h"
#include "rules/CTeskIMUndercutDetectionRule.h"
#include "rules/CTeskIMUniformThicknessRule.h"
#include "rules/CTeskIMWTVariationRule.h"
#include "rules/CTeskMinRibEdgeRadiusRule.h"
#include "rules/CTeskRibHeightForThicknessRule.h"
#include "rules/CTeskSnapFitMoldParametersRule.h"
#include "rules/CTeskSurfaceFinishRule.h"
#include "rules/CTeskUndercutInterferenceRule.h"

namespace check {
namespace {

// How the checker reads each kind of rule: a check of its own, or the reason it cannot be
// checked from a part file.
struct RuleReading {
    bool (*is)(const CTeskRule&);
    std::unique_ptr<RuleCheck> (*make)(CTeskRule&);
    const char* reasonNotChecked;
};

template <typename Rule>
bool Is(const CTeskRule& rule) {
    return dynamic_cast<const Rule*>(&rule) != nullptr;
}

template <typename Rule, typename Check>
constexpr RuleReading Checked() {
    return {
        &Is<Rule>,
        [](CTeskRule& rule) -> std::unique_ptr<RuleCheck> { return std::make_unique<Check>(rule); },
        nullptr};
}

template <typename Rule>
constexpr RuleReading NotChecked(const char* reason) {
    return {&Is<Rule>, nullptr, reason};
}

constexpr std::array kReadings{
    Checked<CTeskIMDraftAngleRule, DraftAngleCheck>(),
    Checked<CTeskIMUndercutDetectionRule, UndercutCheck>(),
    Checked<CTeskUndercutInterferenceRule, UndercutInterferenceCheck>(),
    Checked<CTeskIMUniformThicknessRule, UniformThicknessCheck>(),
    Checked<CTeskIMWTVariationRule, ThicknessVariationCheck>(),
    Checked<CTeskFilletRadiusRule, FilletRadiusCheck>(),
    Checked<CTeskHoleToPartEdgeDistanceRule, HoleEdgeDistanceCheck>(),
    Checked<CTeskCoreCavitySurfAreaRatioRule, SurfaceAreaRatioCheck>(),
    NotChecked<CTeskIMMoldWallThicknessRule>(
        "needs the mould's walls, which a part file does not hold"),
    Checked<CTeskMinRibEdgeRadiusRule, RibEdgeRadiusCheck>(),
    Checked<CTeskRibHeightForThicknessRule, RibHeightCheck>(),
    NotChecked<CTeskSnapFitMoldParametersRule>(
        "needs the snap-fit features, which a part file does not mark"),
    NotChecked<CTeskSurfaceFinishRule>("needs the surface finish, which a part file does not hold"),
};

}  // namespace

std::unique_ptr<RuleCheck> MakeRuleCheck(CTeskRule& rule) {
    for (const RuleReading& reading : kReadings) {
        if (reading.is(rule)) {
            return reading.make ? reading.make(rule)
                                : std::make_unique<NotCheckedRule>(rule, reading.reasonNotChecked);
        }
    }
    return std::make_unique<NotCheckedRule>(rule, "not a rule this checker knows");
}

}  // namespace check
