#include "platform/window/WindowManager.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>

#include "platform/window/CWnd.h"
#include "platform/window/WindowSnapshot.h"
#include "platform/window/WindowStyles.h"

namespace platform {
namespace {

struct WindowTable {
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> live;
    // Destroyed while a message was being delivered: a procedure or object of theirs may
    // still be running further up the stack.
    std::vector<std::unique_ptr<WindowRecord>> destroyed;
    std::uintptr_t lastHandle = 0;
    int deliveryDepth = 0;
    HWND focus = nullptr;
    HWND capture = nullptr;
    CRect screen{0, 0, 1920, 1080};
};

// Never destroyed: stand-ins left at exit must still find the table from their destructors.
WindowTable& Table() {
    static auto* table = new WindowTable;
    return *table;
}

class DeliveryScope {
public:
    DeliveryScope() { ++Table().deliveryDepth; }
    ~DeliveryScope() {
        WindowTable& table = Table();
        if (--table.deliveryDepth == 0) {
            auto released = std::move(table.destroyed);
            table.destroyed.clear();
        }
    }
    DeliveryScope(const DeliveryScope&) = delete;
    DeliveryScope& operator=(const DeliveryScope&) = delete;
};

HWND NextHandle() {
    return reinterpret_cast<HWND>(++Table().lastHandle);
}

bool HasStyleAlongParents(HWND window, DWORD style, bool wanted) {
    for (WindowRecord* record = FindWindowRecord(window); record;
         record = FindWindowRecord(record->parent)) {
        if (((record->style & style) != 0) != wanted) {
            return false;
        }
    }
    return true;
}

}  // namespace

HWND CreateWindowHandle(const WindowCreation& creation) {
    WindowTable& table = Table();
    if (creation.parent && !FindWindowRecord(creation.parent)) {
        return nullptr;
    }
    auto record = std::make_unique<WindowRecord>();
    const HWND handle = NextHandle();
    record->handle = handle;
    record->windowClass = creation.windowClass;
    record->parent = creation.parent;
    record->owner = creation.owner;
    record->id = creation.id;
    record->text = creation.text;
    record->style = creation.style;
    record->exStyle = creation.exStyle;
    record->rect = creation.rect;
    record->standIn = creation.windowClass->createStandIn();
    record->standIn->m_hWnd = handle;
    record->state = creation.windowClass->createState();
    record->object = creation.object ? creation.object : record->standIn.get();
    record->object->m_hWnd = handle;
    if (WindowRecord* parent = FindWindowRecord(creation.parent)) {
        parent->children.push_back(handle);
    }
    table.live.emplace(handle, std::move(record));
    BumpWindowRevision();

    CREATESTRUCT create{creation.parent, creation.id, creation.style, creation.text.GetString()};
    if (SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindowHandle(handle);
        return nullptr;
    }
    return IsWindow(handle) ? handle : nullptr;
}

void DestroyWindowHandle(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    if (!record) {
        return;
    }
    for (HWND child : std::vector<HWND>(record->children)) {
        DestroyWindowHandle(child);
    }
    for (HWND owned : OwnedWindows(window)) {
        DestroyWindowHandle(owned);
    }
    WindowTable& table = Table();
    if (table.focus == window) {
        table.focus = nullptr;
    }
    if (table.capture == window) {
        table.capture = nullptr;
    }
    if (record->object != record->standIn.get()) {
        record->object->m_hWnd = nullptr;
    }
    if (WindowRecord* parent = FindWindowRecord(record->parent)) {
        std::erase(parent->children, window);
    }
    auto node = table.live.extract(window);
    BumpWindowRevision();
    if (table.deliveryDepth > 0) {
        table.destroyed.push_back(std::move(node.mapped()));
    }
}

WindowRecord* FindWindowRecord(HWND window) {
    if (!window) {
        return nullptr;
    }
    WindowTable& table = Table();
    const auto found = table.live.find(window);
    return found == table.live.end() ? nullptr : found->second.get();
}

bool IsWithin(HWND window, HWND ancestor) {
    if (!ancestor) {
        return false;
    }
    for (WindowRecord* record = FindWindowRecord(window); record;
         record = FindWindowRecord(record->parent)) {
        if (record->handle == ancestor) {
            return true;
        }
    }
    return false;
}

HWND FindChild(HWND parent, int id) {
    const WindowRecord* record = FindWindowRecord(parent);
    if (record) {
        for (HWND child : record->children) {
            if (FindWindowRecord(child)->id == id) {
                return child;
            }
        }
    }
    return nullptr;
}

HWND FindDescendant(HWND root, int id) {
    const WindowRecord* record = FindWindowRecord(root);
    if (!record) {
        return nullptr;
    }
    if (HWND child = FindChild(root, id)) {
        return child;
    }
    for (HWND child : record->children) {
        if (HWND found = FindDescendant(child, id)) {
            return found;
        }
    }
    return nullptr;
}

std::vector<HWND> OwnedWindows(HWND owner) {
    std::vector<HWND> owned;
    if (!owner) {
        return owned;
    }
    for (const auto& [handle, record] : Table().live) {
        if (record->owner == owner) {
            owned.push_back(handle);
        }
    }
    // Handles grow with creation, so their order is the order of creation.
    std::sort(owned.begin(), owned.end(), std::less<HWND>());
    return owned;
}

CRect ScreenArea() {
    return Table().screen;
}

void SetScreenArea(const CRect& area) {
    Table().screen = area;
}

CRect ScreenRectOf(HWND window) {
    CRect rect;
    for (const WindowRecord* record = FindWindowRecord(window); record;
         record = FindWindowRecord(record->parent)) {
        if (record->handle == window) {
            rect = record->rect;
        } else {
            rect.OffsetRect(record->rect.left, record->rect.top);
        }
    }
    return rect;
}

CPoint MapPoint(HWND from, HWND to, CPoint point) {
    const CRect source = ScreenRectOf(from);
    const CRect target = ScreenRectOf(to);
    return {point.x + source.left - target.left, point.y + source.top - target.top};
}

HWND MouseTarget(HWND under, CPoint& point) {
    const HWND capture = Table().capture;
    if (!capture || capture == under) {
        return under;
    }
    point = MapPoint(under, capture, point);
    return capture;
}

// The wheel turned over a window that does not scroll scrolls the window around it.
LRESULT DefaultWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEWHEEL) {
        const WindowRecord* record = FindWindowRecord(window);
        return record && record->parent ? SendMessage(record->parent, message, wParam, lParam) : 0;
    }
    if (message == WM_SETTEXT) {
        if (WindowRecord* record = FindWindowRecord(window)) {
            record->text = reinterpret_cast<LPCWSTR>(lParam);
            return TRUE;
        }
    }
    return 0;
}

void NotifyParent(HWND control, UINT code) {
    const WindowRecord* record = FindWindowRecord(control);
    if (record && record->parent) {
        SendMessage(record->parent, WM_COMMAND, MAKEWPARAM(static_cast<UINT>(record->id), code),
                    reinterpret_cast<LPARAM>(control));
    }
}

}  // namespace platform

using platform::FindWindowRecord;

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    platform::WindowRecord* record = FindWindowRecord(window);
    if (!record) {
        return 0;
    }
    platform::DeliveryScope delivery;
    const LRESULT result = AfxCallWndProc(record->object, window, message, wParam, lParam);
    // Questions a window answers change nothing; any other message may change any window.
    if (message != WM_GETDLGCODE && message != BM_GETCHECK) {
        platform::BumpWindowRevision();
    }
    return result;
}

BOOL IsWindow(HWND window) {
    return FindWindowRecord(window) != nullptr;
}

BOOL IsWindowEnabled(HWND window) {
    return IsWindow(window) && platform::HasStyleAlongParents(window, WS_DISABLED, false);
}

BOOL IsWindowVisible(HWND window) {
    return IsWindow(window) && platform::HasStyleAlongParents(window, WS_VISIBLE, true);
}

BOOL EnableWindow(HWND window, BOOL enable) {
    platform::WindowRecord* record = FindWindowRecord(window);
    if (!record) {
        return FALSE;
    }
    const BOOL wasDisabled = (record->style & WS_DISABLED) != 0;
    platform::BumpWindowRevision();
    if (enable) {
        record->style &= ~WS_DISABLED;
    } else {
        record->style |= WS_DISABLED;
        if (platform::IsWithin(GetFocus(), window)) {
            SetFocus(nullptr);
        }
    }
    return wasDisabled;
}

BOOL ShowWindow(HWND window, int command) {
    platform::WindowRecord* record = FindWindowRecord(window);
    if (!record) {
        return FALSE;
    }
    const BOOL wasVisible = (record->style & WS_VISIBLE) != 0;
    platform::BumpWindowRevision();
    if (command == SW_HIDE) {
        record->style &= ~WS_VISIBLE;
        if (platform::IsWithin(GetFocus(), window)) {
            SetFocus(record->parent);
        }
    } else {
        record->style |= WS_VISIBLE;
    }
    return wasVisible;
}

HWND GetFocus() {
    return platform::Table().focus;
}

HWND SetFocus(HWND window) {
    platform::WindowTable& table = platform::Table();
    if (window && !IsWindowEnabled(window)) {
        return nullptr;
    }
    const HWND previous = table.focus;
    if (window == previous) {
        return previous;
    }
    table.focus = window;
    platform::BumpWindowRevision();
    if (IsWindow(previous)) {
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    }
    // The losing window may have moved the focus on; then the gaining one never got it.
    if (window && table.focus == window) {
        SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND SetCapture(HWND window) {
    platform::BumpWindowRevision();
    return std::exchange(platform::Table().capture, IsWindow(window) ? window : nullptr);
}

HWND GetCapture() {
    return platform::Table().capture;
}

BOOL ReleaseCapture() {
    SetCapture(nullptr);
    return TRUE;
}
