#include "check/checks/RuleChecks.h"

#include "check/checks/DraftAngleCheck.h"
#include "check/checks/FilletRadiusCheck.h"
#include "check/checks/HoleEdgeDistanceCheck.h"
#include "check/checks/NotCheckedRule.h"
#include "check/checks/SurfaceAreaRatioCheck.h"
#include "check/checks/ThicknessVariationCheck.h"
#include "check/checks/UndercutCheck.h"
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

template <typename Rule>
bool Is(const CTeskRule& rule) {
    return dynamic_cast<const Rule*>(&rule) != nullptr;
}

const char* ReasonNotChecked(const CTeskRule& rule) {
    if (Is<CTeskIMMoldWallThicknessRule>(rule)) {
        return "needs the mould's walls, which a part file does not hold";
    }
    if (Is<CTeskMinRibEdgeRadiusRule>(rule) || Is<CTeskRibHeightForThicknessRule>(rule)) {
        return "needs ribs recognised in the part, which this checker does not do";
    }
    if (Is<CTeskUndercutInterferenceRule>(rule)) {
        return "needs the dimensions of the die that releases each undercut";
    }
    if (Is<CTeskSnapFitMoldParametersRule>(rule)) {
        return "needs the snap-fit features, which a part file does not mark";
    }
    if (Is<CTeskSurfaceFinishRule>(rule)) {
        return "needs the surface finish, which a part file does not hold";
    }
    return "not a rule this checker knows";
}

}  // namespace

std::unique_ptr<RuleCheck> MakeRuleCheck(CTeskRule& rule) {
    if (Is<CTeskIMDraftAngleRule>(rule)) {
        return std::make_unique<DraftAngleCheck>(rule);
    }
    if (Is<CTeskIMUndercutDetectionRule>(rule)) {
        return std::make_unique<UndercutCheck>(rule);
    }
    if (Is<CTeskIMUniformThicknessRule>(rule)) {
        return std::make_unique<UniformThicknessCheck>(rule);
    }
    if (Is<CTeskIMWTVariationRule>(rule)) {
        return std::make_unique<ThicknessVariationCheck>(rule);
    }
    if (Is<CTeskFilletRadiusRule>(rule)) {
        return std::make_unique<FilletRadiusCheck>(rule);
    }
    if (Is<CTeskHoleToPartEdgeDistanceRule>(rule)) {
        return std::make_unique<HoleEdgeDistanceCheck>(rule);
    }
    if (Is<CTeskCoreCavitySurfAreaRatioRule>(rule)) {
        return std::make_unique<SurfaceAreaRatioCheck>(rule);
    }
    return std::make_unique<NotCheckedRule>(rule, ReasonNotChecked(rule));
}

}  // namespace check
