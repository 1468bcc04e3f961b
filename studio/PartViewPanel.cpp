#include "studio/PartViewPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "studio/FaceColours.h"
#include "studio/PartView.h"

namespace {

struct ViewButton {
    const char* text;
    const char* tip;
    PartView::Direction direction;
};

const ViewButton kViewButtons[] = {
    {QT_TRANSLATE_NOOP("PartViewPanel", "Along pull"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look down the pull at the cavity side"),
     PartView::Direction::AlongPull},
    {QT_TRANSLATE_NOOP("PartViewPanel", "Against pull"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look up the pull at the core side"),
     PartView::Direction::AgainstPull},
    {QT_TRANSLATE_NOOP("PartViewPanel", "Front"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look across the pull"), PartView::Direction::AcrossPull},
    {QT_TRANSLATE_NOOP("PartViewPanel", "Side"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look across the pull, square to the front"),
     PartView::Direction::AcrossPullSide},
    {QT_TRANSLATE_NOOP("PartViewPanel", "Corner"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look from a corner above"), PartView::Direction::Corner},
    {QT_TRANSLATE_NOOP("PartViewPanel", "Below"),
     QT_TRANSLATE_NOOP("PartViewPanel", "Look from a corner below, into the part"),
     PartView::Direction::CornerBelow},
};

constexpr int kAcrossButtons = 4;

}  // namespace

PartViewPanel::PartViewPanel(QWidget* parent)
    : QWidget(parent),
      m_view(new PartView(this)),
      m_sides(new QCheckBox(tr("Core and cavity sides"), this)),
      m_legend(new QLabel(this)) {
    // Two rows of buttons, so that the view beside the findings fits a small screen: the views
    // along and across the pull, then the corners, Fit and the colouring.
    auto* across = new QHBoxLayout;
    auto* corners = new QHBoxLayout;
    for (const ViewButton& button : kViewButtons) {
        auto* push = new QPushButton(tr(button.text), this);
        push->setToolTip(tr(button.tip));
        connect(push, &QPushButton::clicked, this,
                [this, direction = button.direction] { m_view->LookFrom(direction); });
        (across->count() < kAcrossButtons ? across : corners)->addWidget(push);
    }
    across->addStretch();
    auto* fit = new QPushButton(tr("Fit"), this);
    connect(fit, &QPushButton::clicked, m_view, &PartView::FitAll);
    corners->addWidget(fit);
    corners->addStretch();
    corners->addWidget(m_sides);
    connect(m_sides, &QCheckBox::toggled, this, [this](bool sides) {
        m_view->SetColourBy(sides ? ColourBy::MouldSides : ColourBy::Findings);
        ShowLegend();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(across);
    layout->addLayout(corners);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_legend);
    m_legend->setWordWrap(true);
    ShowLegend();
}

void PartViewPanel::Show(const check::CheckReport& report, std::shared_ptr<PartShapes> shapes) {
    m_view->Show(report, std::move(shapes));
}

void PartViewPanel::ShowLegend() {
    QStringList entries;
    for (const LegendEntry& entry : FaceColours::Legend(m_view->ColouredBy())) {
        entries << QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                       .arg(entry.colour.name(), entry.name.toHtmlEscaped());
    }
    m_legend->setText(entries.join(QStringLiteral("&nbsp;&nbsp; ")));
}

QImage PartViewPanel::Picture(const QSize& size) {
    const QImage view = m_view->Picture(size);
    if (view.isNull()) {
        return {};
    }
    QLabel legendAtWidth(m_legend->text());
    legendAtWidth.setWordWrap(true);
    legendAtWidth.setFixedWidth(size.width());
    legendAtWidth.adjustSize();
    const QPixmap legend = legendAtWidth.grab();
    QImage picture(size.width(), size.height() + legend.height(), QImage::Format_RGB888);
    picture.fill(palette().window().color());
    QPainter painter(&picture);
    painter.drawImage(0, 0, view);
    painter.drawPixmap(0, size.height(), legend);
    return picture;
}
