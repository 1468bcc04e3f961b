#include "rules/CTeskIMUndercutDetectionRule.h"

#include "dialogs/CTeskIMUndercutDetectionDlg.h"

namespace {

// No values, so loading reads the attributes alone and a unit change does nothing.
constexpr RuleDefinition kDefinition{
    .nameId = 2111,
    .descriptionId = 2112,
    .defaultSeverity = 3,
};

}  // namespace

CTeskIMUndercutDetectionRule::~CTeskIMUndercutDetectionRule() = default;

CTeskIMUndercutDetectionRule::CTeskIMUndercutDetectionRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskIMUndercutDetectionRule::CTeskIMUndercutDetectionRule(const CString& engineName,
                                                           const CString& validatorName,
                                                           TeskRuleCategory_e category,
                                                           int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskIMUndercutDetectionRule::RunDialog() {
    CTeskIMUndercutDetectionDlg dialog(nullptr, this);
    dialog.DoModal();
}
