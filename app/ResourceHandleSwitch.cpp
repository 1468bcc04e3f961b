#include "app/ResourceHandleSwitch.h"

#include "app/CTeskCommonRulesApp.h"

CResourceHandleSwitch::CResourceHandleSwitch() : m_hSaved(AfxGetResourceHandle()) {
    AfxSetResourceHandle(g_pTheApp ? g_pTheApp->m_hLangResDll : nullptr);
}

CResourceHandleSwitch::~CResourceHandleSwitch() {
    if (m_hSaved) {
        AfxSetResourceHandle(m_hSaved);
    }
}

CString LoadLanguageString(UINT id) {
    CResourceHandleSwitch languageResources;
    return LoadString(AfxGetResourceHandle(), id);
}
