#pragma once

#include "platform/CString.h"

// Module handles: a handle is what dlopen returns. The current resource handle is the
// library that texts and dialog templates are loaded from.
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;

// Opens the library at this full path; null when it cannot be loaded.
HINSTANCE AfxLoadLibrary(const wchar_t* path);
// Closes a handle from AfxLoadLibrary; false for null or an unknown handle.
bool AfxFreeLibrary(HINSTANCE library);

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE library);

// The string with this id from the library's string table; empty when the library is
// null, has no string table or lacks the id.
CString LoadString(HINSTANCE library, UINT id);
// The same text without a copy, for texts read over and over. The reference stays valid until
// the last AfxFreeLibrary of the handle. A library not opened through AfxLoadLibrary keeps no
// texts: it gives an empty text.
const CString& LoadStringReference(HINSTANCE library, UINT id);

// Full path of the loaded library (or program) whose code or data holds this address.
CString ModuleFileNameContaining(const void* address);
