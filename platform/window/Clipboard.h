#pragma once

#include "platform/CString.h"

// The clipboard's text, which pasting into an edit box inserts.
namespace platform {

void SetClipboardText(const CString& text);
CString GetClipboardText();

}  // namespace platform
