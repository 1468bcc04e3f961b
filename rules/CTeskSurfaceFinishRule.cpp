#include "rules/CTeskSurfaceFinishRule.h"

#include <array>

#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskSurfaceFinishDlg.h"

namespace {

using Rule = CTeskSurfaceFinishRule;

constexpr std::array<RuleParamSpec, 2> kParams{{
    {Rule::kMinimumFinish, TESK_TYPE_DOUBLE, TESK_OP_LESS, TeskParamType_e{1}, true, 1},
    {Rule::kMaximumFinish, TESK_TYPE_DOUBLE, TESK_OP_GREATER, TeskParamType_e{1}, true, 1},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2163,
    .descriptionId = 2162,
    .defaultSeverity = 2,
    .usesHostImport = true,
    .params = kParams,
};

}  // namespace

CTeskSurfaceFinishRule::~CTeskSurfaceFinishRule() = default;

CTeskSurfaceFinishRule::CTeskSurfaceFinishRule(const CString& engineName,
                                               const CString& validatorName,
                                               TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskSurfaceFinishRule::InitializeParamStorage() {
    CreateParameters();
    if (!HasAllParameters()) {
        return;
    }
    SetDefaults(*DoubleValues(kMinimumFinish), {0.05});
    SetDefaults(*DoubleValues(kMaximumFinish), {0.3});
    ReadXML();
    m_bParamsReady = true;
}

void CTeskSurfaceFinishRule::ReadXML() {
    CResourceHandleSwitch languageResources;
    if (HasAllParameters()) {
        m_strDescription = FormatDescription({ValueText(*DoubleValues(kMinimumFinish), 0),
                                              ValueText(*DoubleValues(kMaximumFinish), 0)});
    }
}

void CTeskSurfaceFinishRule::RunDialog() {
    CTeskSurfaceFinishDlg dialog(nullptr, this);
    dialog.DoModal();
}
