#pragma once

#include <QDialog>

class CheckRunner;
class QLabel;
class QProgressBar;
class QPushButton;

// A running check's progress with Cancel, modal over the window that asked. It closes when the
// check ends, never before: cancelling, or closing it, asks the check to stop and waits for it,
// so that nothing can start or show while a check is winding down.
class CheckProgressDialog : public QDialog {
    Q_OBJECT

public:
    CheckProgressDialog(CheckRunner& runner, const QString& what, QWidget* parent = nullptr);

    // Shows the dialog until the check ends.
    void WaitForEnd();

    QProgressBar& Bar() { return *m_bar; }
    QPushButton& CancelButton() { return *m_cancel; }

    void reject() override;

private:
    CheckRunner& m_runner;
    QLabel* m_label;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};
