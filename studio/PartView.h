#pragma once

#include <AIS_InteractiveContext.hxx>
#include <Aspect_NeutralWindow.hxx>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <SelectMgr_EntityOwner.hxx>
#include <V3d_View.hxx>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"
#include "studio/PartShapes.h"

// The checked part in 3D, drawn by OpenCASCADE with OpenGL into the widget's own X window:
// its faces shaded in their findings' colours (or the mould halves' tints and the parting line)
// with their outlines, and the pull as an arrow. Left drag rotates, middle drag pans, the wheel
// zooms; a click picks a face. Where OpenGL cannot start (no X display, Qt's offscreen platform)
// the widget says so and the rest of the studio works without the picture.
class PartView : public QWidget {
    Q_OBJECT

public:
    // Looking along the pull or against it, across it (two ways), or from a corner above or
    // below (into a cup's inside).
    enum class Direction {
        AlongPull,
        AgainstPull,
        AcrossPull,
        AcrossPullSide,
        Corner,
        CornerBelow
    };

    explicit PartView(QWidget* parent = nullptr);
    ~PartView() override;

    // Empty when the view draws; otherwise why it cannot.
    const QString& Unavailable() const { return m_unavailable; }

    // Shows the report's part, drawn from these shapes when they were built beforehand.
    void Show(const check::CheckReport& report, std::shared_ptr<PartShapes> shapes = nullptr);
    void SetColourBy(ColourBy by);
    ColourBy ColouredBy() const { return m_colourBy; }
    // Whether the view draws the parting line, and its segments.
    bool ShowsPartingLine() const;
    int PartingLineSegments() const;
    // The meshes of the part shown, none when the view cannot draw.
    const std::vector<check::SolidMesh>& Meshes() const;

    // Selects and highlights the face (0: none) and frames it in the view.
    void SelectFace(std::uint32_t face);
    // The face the view's selection holds, 0 for none.
    std::uint32_t SelectedFace() const;
    // The face drawn at this point of the widget, 0 for none.
    std::uint32_t FaceAt(const QPoint& point);
    // Where a point of the part, in the report's unit, is drawn in the widget.
    QPoint OnScreen(const check::Point& point) const;
    void LookFrom(Direction direction);
    void FitAll();
    // The view drawn at this size, as it is on screen.
    QImage Picture(const QSize& size);
    // Turns the view a little about its centre and draws it, as a left drag would.
    void Turn(int pixels);

    // None while OpenGL draws the widget, so that Qt paints nothing over it.
    QPaintEngine* paintEngine() const override;

signals:
    // A click picked this face (0: it picked none).
    void FaceClicked(std::uint32_t face);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void StartViewer();
    void PaintUnavailable();
    QPoint Device(const QPoint& point) const;
    static std::uint32_t FaceOf(const Handle(SelectMgr_EntityOwner) & owner);
    void DisplayFaces();
    // The parting line goes with the mould halves' tints.
    void DisplayPartingLine();
    // While the view turns, pans or zooms, a large part is drawn coarse and without outlines,
    // drawn again in full once it has stood still a moment.
    void Moving();
    void Settled();
    // Selects the face alone in the view; false when the view has no such face.
    bool Highlight(std::uint32_t face);

    QString m_unavailable;
    Handle(Aspect_NeutralWindow) m_window;
    Handle(V3d_View) m_view;
    Handle(AIS_InteractiveContext) m_context;
    PartShapes m_shapes;
    std::map<std::uint32_t, Handle(SelectMgr_EntityOwner)> m_owners;
    ColourBy m_colourBy = ColourBy::Findings;
    check::Point m_pull{0, 0, 1};
    std::uint32_t m_selected = 0;
    QPoint m_pressed;
    QPoint m_last;
    bool m_dragged = false;
    int m_turned = 0;
    QTimer* m_settle;
    bool m_moving = false;
};
