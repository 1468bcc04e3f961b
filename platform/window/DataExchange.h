#pragma once

#include "platform/window/CWnd.h"

// One run of a window's data exchange: loading the controls, or saving them.
class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds the control object to the dialog's control with this id, in either direction, once:
// from then on the object receives the control's messages. A template without the control
// leaves the object without a window, and the exchange goes on with the next binding; every
// operation on the object then does nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// Sets the check box from value, or reads its state (0 unchecked, 1 checked) into value.
// Without the control, value stays as it is.
void DDX_Check(CDataExchange* dx, int id, int& value);
