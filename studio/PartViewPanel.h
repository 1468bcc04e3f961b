#pragma once

#include <QWidget>
#include <memory>

#include "check/CheckReport.h"

class PartView;
struct PartShapes;
class QCheckBox;
class QLabel;

// The part view with what works it: buttons for the standard views and fitting, the choice of
// the mould sides' tints over the findings' colours, and the legend of the colours shown.
class PartViewPanel : public QWidget {
    Q_OBJECT

public:
    explicit PartViewPanel(QWidget* parent = nullptr);

    void Show(const check::CheckReport& report, std::shared_ptr<PartShapes> shapes = nullptr);

    PartView& View() { return *m_view; }
    const PartView& View() const { return *m_view; }
    QCheckBox& MouldSides() { return *m_sides; }
    QLabel& Legend() { return *m_legend; }
    // The view and its legend below it, drawn at this size for a report or the README; nothing
    // where the view cannot draw.
    QImage Picture(const QSize& size);

private:
    void ShowLegend();

    PartView* m_view;
    QCheckBox* m_sides;
    QLabel* m_legend;
};
