#pragma once

#include "platform/ModuleLibrary.h"

// Makes the language resource library current for the lifetime of the object, then restores
// the handle that was current before; a null previous handle is not restored, so the
// language library then stays current.
class CResourceHandleSwitch {
public:
    CResourceHandleSwitch();
    ~CResourceHandleSwitch();
    CResourceHandleSwitch(const CResourceHandleSwitch&) = delete;
    CResourceHandleSwitch& operator=(const CResourceHandleSwitch&) = delete;

private:
    HINSTANCE m_hSaved;
};

// A text from the language library, loaded inside the switch.
CString LoadLanguageString(UINT id);
