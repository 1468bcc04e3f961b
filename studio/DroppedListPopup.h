#pragma once

#include <QFrame>

#include "platform/window/WindowSnapshot.h"

class DialogMetrics;
class QListWidget;
class QScrollBar;

// A combo box's dropped list on screen: a window of its own over every other, frameless and
// never active, so that the keys stay with the dialog. It draws the list window's snapshot (the
// rows it shows, the highlighted item, its scroll bar) and takes no input of its own: whoever
// watches it hands its mouse to the window system.
class DroppedListPopup : public QFrame {
    Q_OBJECT

public:
    explicit DroppedListPopup(QWidget* dialog);

    // Shows the list at this place on the screen.
    void ShowList(const platform::WindowSnapshot& list, const QRect& onScreen,
                  const DialogMetrics& metrics);

private:
    QListWidget* m_rows;
    QScrollBar* m_scrollBar;
};
