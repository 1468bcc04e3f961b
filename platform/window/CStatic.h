#pragma once

#include "platform/window/CWnd.h"
#include "platform/window/WindowManager.h"

// A text the person reads; it takes neither the focus nor input.
class CStatic : public CWnd {};

namespace platform {
const WindowClass& StaticWindowClass();
}
