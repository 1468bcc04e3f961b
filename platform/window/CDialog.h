#pragma once

#include <memory>
#include <optional>

#include "platform/window/CFont.h"
#include "platform/window/CWnd.h"
#include "platform/window/DataExchange.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/WindowManager.h"

// A modal dialog made from a template. DoModal creates the dialog window and one control per
// template item (their captions are their initial texts and send nothing), calls OnInitDialog,
// whose base binds the control members through DoDataExchange, and, if it returns TRUE, puts
// the focus on the first tab stop with its text selected. It then runs the modal loop until
// EndDialog, destroys the windows and returns the value given to EndDialog (0 for a dialog that
// destroyed itself).
//
// The modal loop hands the dialog to the installed input source (platform/window/ModalLoop.h),
// which acts as the person in front of it; without one, or once it has nothing more to do, the
// dialog ends with IDCANCEL.
class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs on this template instead of one from the resource library.
    BOOL InitModalIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    // The template comes from the current resource handle; -1 when it cannot be found or the
    // dialog is running already.
    virtual INT_PTR DoModal();
    // Ends the modal loop with this result; the focused control loses the focus at once.
    void EndDialog(int nResult);
    // Whether the modal loop goes on: the dialog has its window and has not been ended.
    BOOL ContinueModal() const;
    // The value given to EndDialog in the current or last run; -1 before it ends.
    int GetModalResult() const { return m_nModalResult; }

    virtual BOOL OnInitDialog();

    // Moves the focus as Tab does: an edit box gets its whole text selected.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    // The next enabled, visible tab stop after the control holding the focus, going round.
    void NextDlgCtrl();
    // The dialog's keyboard handling for an input message nobody consumed: Enter presses the
    // default button (a push button holding the focus, else the one DM_GETDEFID names), Escape
    // presses Cancel, Tab moves to the next tab stop. A disabled button is not pressed. A control
    // answering WM_GETDLGCODE with DLGC_WANTALLKEYS (a multi-line edit box) gets Enter, Tab and
    // Escape itself; one answering DLGC_WANTTAB keeps Tab. Returns whether it handled it.
    BOOL IsDialogMessage(LPMSG msg);

    // Dialog units to pixels: a horizontal unit is a quarter of the average character width
    // (6 pixels), a vertical one an eighth of the character height (13 pixels).
    void MapDialogRect(LPRECT rect) const;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool CreateFromTemplate(const DialogTemplate& dialogTemplate);
    void CreateItem(const DialogItemTemplate& item);
    HWND FirstTabStop() const;
    void PressDefaultButton();
    void PressCancelButton();
    // Hands the focus back to where it was before the dialog, if a control of the dialog has it.
    void LeaveFocus();

    UINT m_nIDTemplate = 0;
    std::optional<DialogTemplate> m_indirectTemplate;
    CWnd* m_pParentWnd = nullptr;
    HWND m_hPreviousFocus = nullptr;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    std::unique_ptr<CFont> m_pFont;
};

namespace platform {
const WindowClass& DialogWindowClass();
}
