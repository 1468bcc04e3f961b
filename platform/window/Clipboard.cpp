#include "platform/window/Clipboard.h"

namespace platform {
namespace {

CString& ClipboardText() {
    static CString text;
    return text;
}

}  // namespace

void SetClipboardText(const CString& text) {
    ClipboardText() = text;
}

CString GetClipboardText() {
    return ClipboardText();
}

}  // namespace platform
