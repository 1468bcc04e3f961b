#include "studio/DialogScreen.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "studio/DialogWidget.h"
#include "studio/HelpWindow.h"

namespace {

// The platform's answers for Yes and No.
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

QMessageBox::StandardButtons ButtonsOf(UINT style) {
    switch (style & 0xF) {
        case MB_OKCANCEL:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MB_YESNO:
            return QMessageBox::Yes | QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(UINT style) {
    switch (style & 0xF0) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONWARNING:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int ResultOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return kIdYes;
        case QMessageBox::No:
            return kIdNo;
        default:
            return IDOK;
    }
}

}  // namespace

DialogScreen::DialogScreen(QWidget* owner, ShownHook onShown, MessageHook onMessage)
    : m_owner(owner),
      m_onShown(std::move(onShown)),
      m_onMessage(std::move(onMessage)),
      m_previousSource(platform::SetModalInputSource(this)),
      m_previousSink(&GetMessageSink()),
      m_help(std::make_unique<HelpWindow>()) {
    SetMessageSink(this);
}

DialogScreen::~DialogScreen() {
    SetMessageSink(m_previousSink);
    platform::SetModalInputSource(m_previousSource);
}

void DialogScreen::Drive(platform::ModalLoop& loop) {
    ++m_dialogsRun;
    DialogWidget dialog(loop, m_owner);
    // Modal to the window behind it alone, so that the help window stays usable.
    dialog.setWindowModality(Qt::WindowModal);
    QEventLoop events;
    QObject::connect(&dialog, &DialogWidget::ended, &events, &QEventLoop::quit);
    m_current = &dialog;
    dialog.show();
    dialog.activateWindow();
    if (m_onShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { m_onShown(dialog); });
    }
    if (loop.IsRunning()) {
        events.exec();
    }
    m_current = nullptr;
    m_lastResult = loop.IsRunning() ? IDCANCEL : loop.Dialog().GetModalResult();
}

int DialogScreen::Show(const ShownMessage& message) {
    switch (message.kind) {
        case ShownMessage::Kind::Help:
            m_help->ShowTopic(QString::fromStdWString(message.text.str()));
            return IDOK;
        case ShownMessage::Kind::BalloonTip:
            return IDOK;
        default:
            break;
    }
    if (m_onMessage) {
        return m_onMessage(message);
    }
    QMessageBox box(IconOf(message.style), QString::fromStdWString(message.caption.str()),
                    QString::fromStdWString(message.text.str()), ButtonsOf(message.style),
                    m_current ? static_cast<QWidget*>(m_current) : m_owner);
    return ResultOf(box.exec());
}
