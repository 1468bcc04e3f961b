#pragma once

#include <functional>
#include <memory>

#include "platform/MessageSink.h"
#include "platform/window/ModalLoop.h"

class QWidget;
class DialogWidget;
class HelpWindow;

// The screen in front of the window system's modal dialogs while it lives: each dialog the modal
// loop runs is shown as a DialogWidget and driven by the person's mouse and keys through a nested
// Qt event loop until it ends; message boxes show as QMessageBox, help topics in the help window.
// Balloon tips are drawn by the dialog itself from its window snapshot.
class DialogScreen : private platform::IModalInputSource, private IMessageSink {
public:
    // Called once a dialog is on screen, from its event loop: for whoever acts in front of it
    // other than a person (tests, screenshots, the benchmark).
    using ShownHook = std::function<void(DialogWidget& dialog)>;
    // Answers a message box in place of a person; none shows a QMessageBox.
    using MessageHook = std::function<int(const ShownMessage& message)>;

    explicit DialogScreen(QWidget* owner, ShownHook onShown = {}, MessageHook onMessage = {});
    ~DialogScreen() override;
    DialogScreen(const DialogScreen&) = delete;
    DialogScreen& operator=(const DialogScreen&) = delete;

    // How the last dialog ended: IDOK, IDCANCEL, ...
    int LastResult() const { return m_lastResult; }
    void SetShownHook(ShownHook onShown) { m_onShown = std::move(onShown); }
    void SetMessageHook(MessageHook onMessage) { m_onMessage = std::move(onMessage); }
    int DialogsRun() const { return m_dialogsRun; }
    HelpWindow* Help() const { return m_help.get(); }

private:
    void Drive(platform::ModalLoop& loop) override;
    int Show(const ShownMessage& message) override;

    QWidget* m_owner;
    ShownHook m_onShown;
    MessageHook m_onMessage;
    platform::IModalInputSource* m_previousSource;
    IMessageSink* m_previousSink;
    DialogWidget* m_current = nullptr;
    // A window of no other's, so that no modal dialog blocks it.
    std::unique_ptr<HelpWindow> m_help;
    int m_lastResult = -1;
    int m_dialogsRun = 0;
};
