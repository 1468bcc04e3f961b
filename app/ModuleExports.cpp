#include "app/ModuleExports.h"

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "host/CTeskRule.h"
#include "host/TeskXMLNode.h"

namespace {

constexpr UINT IDS_MODULE_NAME = 2139;
constexpr UINT IDS_MODULE_SUMMARY = 2148;
constexpr UINT IDS_ATTR_RULE_NAME = 2020;

}  // namespace

void SetXMLDoc(TeskXMLDocument* document) {
    g_pXMLDoc = document;
}

void SetDBModuleList(const CStringList* modules) {
    if (!g_pTheApp) {
        return;
    }
    g_pTheApp->m_lstDBModules.RemoveAll();
    if (!modules) {
        return;
    }
    POSITION pos = modules->GetHeadPosition();
    for (int i = 0; i < modules->GetCount() && pos; ++i) {
        g_pTheApp->m_lstDBModules.AddTail(modules->GetNext(pos));
    }
}

void GetAllRules(void*, void*, std::int32_t) {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
}

// The host calls these only while the module is initialised; outside that the text is empty
// rather than read through a null application object.
void GetModuleName(CString* name) {
    if (name) {
        *name = g_pTheApp ? LoadLanguageString(IDS_MODULE_NAME) : CString();
    }
}

void GetModuleSummary(CString* summary) {
    if (summary) {
        *summary = g_pTheApp ? LoadLanguageString(IDS_MODULE_SUMMARY) : CString();
    }
}

void GetRule(TeskXMLNode* element, void*, void*, std::int32_t) {
    if (!element || !g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    CString ruleName;
    element->GetAttributeValue(LoadString(g_pTheApp->m_hLangResDll, IDS_ATTR_RULE_NAME), ruleName);
}

void DeleteRule(CTeskRule** rule) {
    if (!rule || !*rule) {
        return;
    }
    delete *rule;
    *rule = nullptr;
}
