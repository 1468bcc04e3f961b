#include "platform/window/CStatic.h"

namespace {

LRESULT StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        return DLGC_STATIC;
    }
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

namespace platform {

const WindowClass& StaticWindowClass() {
    static const WindowClass kClass{
        &StaticProcedure, [] { return std::unique_ptr<CWnd>(std::make_unique<CStatic>()); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<WindowState>()); }};
    return kClass;
}

}  // namespace platform
