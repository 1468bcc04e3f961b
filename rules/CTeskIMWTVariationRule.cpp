#include "rules/CTeskIMWTVariationRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskIMWTVariationDlg.h"
#include "params/NumberText.h"

namespace {

constexpr UINT IDS_INFO_TEXT = 2134;

constexpr std::array<RuleParamSpec, 1> kParams{{
    {CTeskIMWTVariationRule::kVariation, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{1}, true, 1},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2135,
    .descriptionId = 2130,
    .defaultSeverity = 1,
    .executeResult = -3,
    .params = kParams,
};

}  // namespace

CTeskIMWTVariationRule::~CTeskIMWTVariationRule() = default;

CTeskIMWTVariationRule::CTeskIMWTVariationRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    LoadInfoTexts();
    InitializeParamStorage();
}

CTeskIMWTVariationRule::CTeskIMWTVariationRule(const CString& engineName,
                                               const CString& validatorName,
                                               TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    LoadInfoTexts();
    InitializeParamStorage();
}

// Only this rule gives the host an information text and a help file of its own.
void CTeskIMWTVariationRule::LoadInfoTexts() {
    if (!g_pTheApp) {
        return;
    }
    m_strInfoText = ResourceText(IDS_INFO_TEXT);
    m_strHelpFile = L"/Lang/" + g_pTheApp->GetLanguageFolder() + L"/veritor.chm";
}

void CTeskIMWTVariationRule::InitializeParamStorage() {
    CreateParameters();
    TeskValueArray<double>* variation = DoubleValues(kVariation);
    if (!variation) {
        return;
    }
    SetDefaults(*variation, {25.0});
    m_strDescription = FormatDescription({FormatNumber(25.0)});
    m_bParamsReady = true;
}

void CTeskIMWTVariationRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    if (TeskValueArray<double>* variation = DoubleValues(kVariation)) {
        m_strDescription = FormatDescription({ValueText(*variation, 0)});
    }
}

void CTeskIMWTVariationRule::RunDialog() {
    CTeskIMWTVariationDlg dialog(nullptr, this);
    dialog.DoModal();
}
