#pragma once

#include "platform/CStringList.h"
#include "platform/window/CComboBox.h"

// The rule dialogs' choice box: filled from a list of texts, each entry's index its place in
// the list (the templates' boxes are not sorted).
class CWrapperComboCtrl : public CComboBox {
public:
    CWrapperComboCtrl();
    ~CWrapperComboCtrl() override;

    void FillFromList(const CStringList& texts);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT create);

    DECLARE_MESSAGE_MAP()
};
