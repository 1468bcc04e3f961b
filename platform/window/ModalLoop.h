#pragma once

#include "platform/window/CDialog.h"

// The input side of a running modal dialog, as the platform's message loop has it: every input
// message goes first to PreTranslateMessage of the window it is for and of each of its parents
// up to the dialog, then to the dialog's keyboard handling, and only then to the window. A
// disabled window gets no input at all. After each action of the person one idle message
// (WM_NULL to the dialog) goes through pre-translation too, as the platform's steady flow of
// messages would, so that pre-translation hooks see the state the action left.
namespace platform {

class ModalLoop {
public:
    explicit ModalLoop(CDialog& dialog) : m_dialog(dialog) {}

    CDialog& Dialog() const { return m_dialog; }
    bool IsRunning() const { return m_dialog.ContinueModal(); }

    void Deliver(MSG message);
    void Idle();

    // One idle message, then the installed input source; a dialog still running after that
    // ends with IDCANCEL.
    void Run();

private:
    bool PreTranslate(MSG& message);

    CDialog& m_dialog;
};

// Who acts in front of the modal dialogs: it is handed every dialog the modal loop runs.
class IModalInputSource {
public:
    virtual ~IModalInputSource() = default;
    // Acts on the dialog through the loop, returning when it has nothing more to do.
    virtual void Drive(ModalLoop& loop) = 0;
};

IModalInputSource* GetModalInputSource();
// Returns the source installed before; null leaves the dialogs without anyone in front of them.
IModalInputSource* SetModalInputSource(IModalInputSource* source);

}  // namespace platform
