#include "studio/DialogMetrics.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <cmath>

namespace {

// The window system's average character, in its pixels.
constexpr double kSystemCharWidth = 6;
constexpr double kSystemCharHeight = 13;
constexpr int kDefaultPixelHeight = 11;  // 8 points at 96 dots per inch

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

QFont NamedDialogFont(const platform::WindowSnapshot& dialog) {
    QFont font;
    QStringList families;
    if (dialog.font && !dialog.font->face.IsEmpty()) {
        families << QString::fromStdWString(dialog.font->face.str());
    }
    families << QStringLiteral("DejaVu Sans") << QStringLiteral("Noto Sans CJK SC");
    font.setFamilies(families);
    font.setPixelSize(dialog.font && dialog.font->pixelHeight > 0 ? dialog.font->pixelHeight
                                                                  : kDefaultPixelHeight);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

DialogMetrics::DialogMetrics(const platform::WindowSnapshot& dialog)
    : m_font(NamedDialogFont(dialog)) {
    const QFontMetricsF metrics(m_font);
    // The platform's average character: the width of the 52 Latin letters, shared out.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = (Round(metrics.horizontalAdvance(letters)) / 26 + 1) / 2;
    m_scaleX = averageWidth / kSystemCharWidth;
    m_scaleY = std::round(metrics.height()) / kSystemCharHeight;
}

QRect DialogMetrics::ToScreen(const CRect& rect) const {
    const QPoint topLeft = ToScreen(CPoint(rect.left, rect.top));
    const QPoint bottomRight = ToScreen(CPoint(rect.right, rect.bottom));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

QPoint DialogMetrics::ToScreen(CPoint point) const {
    return {Round(point.x * m_scaleX), Round(point.y * m_scaleY)};
}

CPoint DialogMetrics::ToWindowSystem(QPoint point) const {
    return {static_cast<int>(std::floor(point.x() / m_scaleX)),
            static_cast<int>(std::floor(point.y() / m_scaleY))};
}
