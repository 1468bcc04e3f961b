#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"

#include "dialogs/CTeskCoreCavitySurfAreaRatioDlg.h"

namespace {

// A beta rule: its display name carries the beta label.
constexpr RuleDefinition kDefinition{
    .nameId = 2194,
    .descriptionId = 2195,
    .defaultSeverity = 1,
    .betaLabelPrefix = true,
};

}  // namespace

CTeskCoreCavitySurfAreaRatioRule::~CTeskCoreCavitySurfAreaRatioRule() = default;

CTeskCoreCavitySurfAreaRatioRule::CTeskCoreCavitySurfAreaRatioRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskCoreCavitySurfAreaRatioRule::CTeskCoreCavitySurfAreaRatioRule(const CString& engineName,
                                                                   const CString& validatorName,
                                                                   TeskRuleCategory_e category,
                                                                   int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskCoreCavitySurfAreaRatioRule::RunDialog() {
    CTeskCoreCavitySurfAreaRatioDlg dialog(nullptr, this);
    dialog.DoModal();
}
