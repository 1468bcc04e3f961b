#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

#include "platform/window/Geometry.h"
#include "platform/window/WindowSnapshot.h"

// How a dialog's window-system pixels become screen pixels. The window system lays a template out
// with a fixed average character of 6 by 13 pixels; the screen scales that by the dialog font's
// own average character (a quarter of it per horizontal dialog unit, an eighth of its height per
// vertical one, as the platform does), so a label sized for the font fits on screen too. The
// font is named, never left to the desktop's defaults: DejaVu Sans, and Noto Sans CJK for Chinese,
// Japanese and Korean texts, which DejaVu lacks.
class DialogMetrics {
public:
    // The font of the dialog's snapshot, and the scale it gives.
    explicit DialogMetrics(const platform::WindowSnapshot& dialog);

    const QFont& Font() const { return m_font; }
    QRect ToScreen(const CRect& rect) const;
    QPoint ToScreen(CPoint point) const;
    CPoint ToWindowSystem(QPoint point) const;

private:
    QFont m_font;
    double m_scaleX = 1;
    double m_scaleY = 1;
};

// The font a dialog is drawn in: the template's face (each language's templates name DejaVu Sans
// or the Noto Sans CJK face of their script), with DejaVu Sans and Noto Sans CJK behind it for
// characters it lacks.
QFont NamedDialogFont(const platform::WindowSnapshot& dialog);
