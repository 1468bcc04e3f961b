#include "controls/CWrapperComboCtrl.h"

BEGIN_MESSAGE_MAP(CWrapperComboCtrl, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

CWrapperComboCtrl::CWrapperComboCtrl() = default;

CWrapperComboCtrl::~CWrapperComboCtrl() = default;

void CWrapperComboCtrl::FillFromList(const CStringList& texts) {
    ResetContent();
    for (POSITION pos = texts.GetHeadPosition(); pos;) {
        AddString(texts.GetNext(pos));
    }
}

int CWrapperComboCtrl::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
