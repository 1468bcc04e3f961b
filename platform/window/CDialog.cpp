#include "platform/window/CDialog.h"

#include "platform/window/CButton.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CEdit.h"
#include "platform/window/CListCtrl.h"
#include "platform/window/CStatic.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/WindowStyles.h"

using platform::FindWindowRecord;

namespace {

constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

int MulDiv(int value, int numerator, int denominator) {
    const int product = value * numerator;
    return (product >= 0 ? product + denominator / 2 : product - denominator / 2) / denominator;
}

const platform::WindowClass& ClassOf(DialogItemKind kind) {
    switch (kind) {
        case DialogItemKind::Button:
            return platform::ButtonWindowClass();
        case DialogItemKind::Edit:
            return platform::EditWindowClass();
        case DialogItemKind::ComboBox:
            return platform::ComboBoxWindowClass();
        case DialogItemKind::ListView:
            return platform::ListViewWindowClass();
        default:
            return platform::StaticWindowClass();
    }
}

UINT DialogCode(HWND window) {
    return static_cast<UINT>(SendMessage(window, WM_GETDLGCODE));
}

bool IsPushButton(HWND window) {
    return (DialogCode(window) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool IsTabStop(HWND window) {
    const platform::WindowRecord* record = FindWindowRecord(window);
    return (record->style & WS_TABSTOP) != 0 && IsWindowVisible(window) && IsWindowEnabled(window);
}

class DialogState : public platform::WindowState {
public:
    int defaultId = IDOK;
};

// The default button as the template gave it: the first BS_DEFPUSHBUTTON, else IDOK.
int TemplateDefaultId(HWND dialog) {
    for (const HWND child : FindWindowRecord(dialog)->children) {
        const platform::WindowRecord* record = FindWindowRecord(child);
        if (record->windowClass == &platform::ButtonWindowClass() &&
            (record->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return record->id;
        }
    }
    return IDOK;
}

LRESULT DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = platform::FindWindowState<DialogState>(window);
    if (message == DM_GETDEFID) {
        return MAKELONG(static_cast<WORD>(state->defaultId), DC_HASDEFID);
    }
    if (message == DM_SETDEFID) {
        state->defaultId = static_cast<int>(wParam);
        for (const HWND child : FindWindowRecord(window)->children) {
            platform::WindowRecord* record = FindWindowRecord(child);
            const DWORD type = record->style & BS_TYPEMASK;
            if (record->windowClass == &platform::ButtonWindowClass() &&
                (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
                record->style = (record->style & ~BS_TYPEMASK) |
                                (record->id == state->defaultId ? BS_DEFPUSHBUTTON : 0);
            }
        }
        return TRUE;
    }
    if (message == WM_NEXTDLGCTL) {
        if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(window))) {
            dialog->NextDlgCtrl();
        }
        return 0;
    }
    if (message == WM_CLOSE) {
        // A dialog that ended itself on WM_CLOSE keeps its own code: the platform's Cancel would
        // come after the modal loop has stopped.
        const auto* dialog = dynamic_cast<const CDialog*>(CWnd::FromHandle(window));
        if (dialog && !dialog->ContinueModal()) {
            return 0;
        }
        const HWND cancel = platform::FindChild(window, IDCANCEL);
        return SendMessage(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(cancel));
    }
    if (message == WM_NCLBUTTONDOWN && wParam == HTCLOSE) {
        return SendMessage(window, WM_CLOSE);
    }
    return platform::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

BOOL CDialog::InitModalIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd) {
    m_indirectTemplate = dialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) {
        return -1;
    }
    const std::optional<DialogTemplate> dialogTemplate =
        m_indirectTemplate ? m_indirectTemplate
                           : LoadDialogTemplate(AfxGetResourceHandle(), m_nIDTemplate);
    m_hPreviousFocus = ::GetFocus();
    if (!dialogTemplate || !CreateFromTemplate(*dialogTemplate)) {
        return -1;
    }
    m_nModalResult = -1;
    m_bEnded = false;
    if (SendMessage(WM_INITDIALOG) && ContinueModal()) {
        GotoDlgCtrl(FromHandle(FirstTabStop()));
    }
    if (ContinueModal()) {
        platform::ModalLoop(*this).Run();
        // A dialog that destroyed itself without ending ends with 0, as on the platform.
        if (!m_bEnded) {
            m_nModalResult = 0;
        }
    }
    LeaveFocus();
    DestroyWindow();
    m_pFont.reset();
    if (IsWindow(m_hPreviousFocus)) {
        ::SetFocus(m_hPreviousFocus);
    }
    return m_nModalResult;
}

// As the platform does, the focused control loses the focus inside EndDialog (and tells its
// handlers) while the dialog is still there.
void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = true;
    LeaveFocus();
}

void CDialog::LeaveFocus() {
    if (m_hWnd && platform::IsWithin(::GetFocus(), m_hWnd)) {
        ::SetFocus(IsWindow(m_hPreviousFocus) ? m_hPreviousFocus : nullptr);
    }
}

BOOL CDialog::ContinueModal() const {
    return IsWindow(m_hWnd) && !m_bEnded;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl) {
        return;
    }
    pWndCtrl->SetFocus();
    if (::GetFocus() != pWndCtrl->m_hWnd) {
        return;
    }
    if (DialogCode(pWndCtrl->m_hWnd) & DLGC_HASSETSEL) {
        ::SendMessage(pWndCtrl->m_hWnd, EM_SETSEL, 0, -1);
    }
}

void CDialog::NextDlgCtrl() {
    const platform::WindowRecord* record = FindWindowRecord(m_hWnd);
    if (!record || record->children.empty()) {
        return;
    }
    const std::vector<HWND>& children = record->children;
    const HWND focus = ::GetFocus();
    std::size_t current = children.size() - 1;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (platform::IsWithin(focus, children[i])) {
            current = i;
        }
    }
    for (std::size_t step = 1; step <= children.size(); ++step) {
        const HWND candidate = children[(current + step) % children.size()];
        if (IsTabStop(candidate)) {
            GotoDlgCtrl(FromHandle(candidate));
            return;
        }
    }
}

BOOL CDialog::IsDialogMessage(LPMSG msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_CHAR) ||
        !platform::IsWithin(msg->hwnd, m_hWnd)) {
        return FALSE;
    }
    const auto key = static_cast<UINT>(msg->wParam);
    const UINT code = msg->hwnd == m_hWnd
                          ? 0
                          : static_cast<UINT>(::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam,
                                                            reinterpret_cast<LPARAM>(msg)));
    const bool keepsTab = (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
    const bool keepsEnter = (code & DLGC_WANTALLKEYS) != 0;
    if (msg->message == WM_CHAR) {
        // The characters of the keys handled here go no further either.
        return (key == L'\t' && !keepsTab) || (key == L'\r' && !keepsEnter) ||
               (key == VK_ESCAPE && !keepsEnter);
    }
    switch (key) {
        case VK_TAB:
            if (keepsTab) {
                return FALSE;
            }
            NextDlgCtrl();
            return TRUE;
        case VK_RETURN:
            if (keepsEnter) {
                return FALSE;
            }
            PressDefaultButton();
            return TRUE;
        case VK_ESCAPE:
            // A control that asks for all keys gets Escape too, and acts on it itself.
            if (keepsEnter) {
                return FALSE;
            }
            PressCancelButton();
            return TRUE;
        default:
            return FALSE;
    }
}

void CDialog::MapDialogRect(LPRECT rect) const {
    rect->left = MulDiv(rect->left, kBaseUnitX, 4);
    rect->right = MulDiv(rect->right, kBaseUnitX, 4);
    rect->top = MulDiv(rect->top, kBaseUnitY, 8);
    rect->bottom = MulDiv(rect->bottom, kBaseUnitY, 8);
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

bool CDialog::CreateFromTemplate(const DialogTemplate& dialogTemplate) {
    platform::WindowCreation creation;
    creation.windowClass = &platform::DialogWindowClass();
    creation.parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    creation.text = dialogTemplate.caption;
    // A modal dialog shows at once, whatever its template says.
    creation.style = dialogTemplate.style | WS_VISIBLE;
    creation.exStyle = dialogTemplate.exStyle;
    creation.rect = dialogTemplate.rect;
    MapDialogRect(&creation.rect);
    creation.object = this;
    if (!platform::CreateWindowHandle(creation)) {
        return false;
    }
    if (!dialogTemplate.fontName.IsEmpty()) {
        m_pFont = std::make_unique<CFont>();
        m_pFont->CreatePointFont(dialogTemplate.fontPoints * 10, dialogTemplate.fontName);
        SetFont(m_pFont.get());
    }
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        CreateItem(item);
    }
    platform::FindWindowState<DialogState>(m_hWnd)->defaultId = TemplateDefaultId(m_hWnd);
    return true;
}

void CDialog::CreateItem(const DialogItemTemplate& item) {
    platform::WindowCreation creation;
    creation.windowClass = &ClassOf(item.kind);
    creation.parent = m_hWnd;
    creation.id = item.id;
    creation.style = item.style | WS_CHILD;
    creation.exStyle = item.exStyle;
    creation.rect = item.rect;
    MapDialogRect(&creation.rect);
    if (item.kind != DialogItemKind::ComboBox) {
        creation.text = item.caption;
    }
    if (CWnd* control = FromHandle(platform::CreateWindowHandle(creation))) {
        control->SetFont(m_pFont.get());
    }
}

// Without any tab stop the platform gives the focus to the first control, even one that cannot
// take it from the keyboard such as a label.
HWND CDialog::FirstTabStop() const {
    const platform::WindowRecord* record = FindWindowRecord(m_hWnd);
    if (!record || record->children.empty()) {
        return nullptr;
    }
    for (HWND child : record->children) {
        if (IsTabStop(child)) {
            return child;
        }
    }
    return record->children.front();
}

// A focused push button is pressed; else the button the dialog names when asked DM_GETDEFID,
// which may be one it does not have (the command is sent all the same), else IDOK.
void CDialog::PressDefaultButton() {
    HWND button = ::GetFocus();
    int id = 0;
    if (platform::IsWithin(button, m_hWnd) && IsPushButton(button)) {
        id = FindWindowRecord(button)->id;
    } else {
        const auto defaultId = static_cast<LRESULT>(SendMessage(DM_GETDEFID));
        id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
        button = platform::FindDescendant(m_hWnd, id);
    }
    if (button && !::IsWindowEnabled(button)) {
        return;
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button));
}

void CDialog::PressCancelButton() {
    const HWND cancel = platform::FindChild(m_hWnd, IDCANCEL);
    if (cancel && !::IsWindowEnabled(cancel)) {
        return;
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

namespace platform {

const WindowClass& DialogWindowClass() {
    static const WindowClass kClass{
        &DialogProcedure, [] { return std::make_unique<CWnd>(); },
        [] { return std::unique_ptr<WindowState>(std::make_unique<DialogState>()); }};
    return kClass;
}

}  // namespace platform
