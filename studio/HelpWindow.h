#pragma once

#include <QWidget>

class HelpBrowser;
class QAction;
class QListWidget;

// The application's help window: a top-level window of its own, usable while a dialog is open,
// with the help file's contents (its topics, from the file's table of contents) beside the page,
// and Back and Forward through the pages seen.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // A topic as the dialogs name it, "FILE::/PAGE", shown and raised over every other window;
    // a file that cannot be read shows a message saying so instead.
    void ShowTopic(const QString& topic);

    HelpBrowser& Browser() const { return *m_browser; }
    QListWidget& Contents() const { return *m_contents; }
    QAction& BackAction() const { return *m_back; }
    QAction& ForwardAction() const { return *m_forward; }

private:
    void FillContents();

    HelpBrowser* m_browser;
    QListWidget* m_contents;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_showContents;
};
