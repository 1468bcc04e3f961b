#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/window/WindowSnapshot.h"

// The platform's sign of the focus, drawn over the dialog from the window tree alone (never from
// Qt's own focus, which depends on the desktop window being active): a dotted rectangle inside a
// focused button, around a focused check box's text and around a focused list's current row, the
// text of a focused choice list highlighted, and the caret of a focused edit box where typed text
// goes in. It lies over the controls and takes no input.
class FocusCue : public QWidget {
public:
    explicit FocusCue(QWidget* dialog);

    // The window holding the focus and the widget drawing it; nothing shows no cue.
    void Follow(const platform::WindowSnapshot* focused, QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintDottedRectangle(QPainter& painter) const;
    void PaintHighlightedChoice(QPainter& painter) const;
    void PaintCurrentRow(QPainter& painter) const;
    void PaintCaret(QPainter& painter) const;

    platform::WindowKind m_kind = platform::WindowKind::Other;
    int m_currentLine = -1;  // a list's current row among the rows it shows
    QPointer<QWidget> m_widget;
};

// Whether an edit box shows its selection: while it has the focus, or always with ES_NOHIDESEL.
bool ShowsSelection(const platform::WindowSnapshot& edit);
