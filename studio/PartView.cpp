#include "studio/PartView.h"

#include <Aspect_DisplayConnection.hxx>
#include <Image_AlienPixMap.hxx>
#include <OpenGl_GraphicDriver.hxx>
#include <Prs3d_Drawer.hxx>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <SelectMgr_Selection.hxx>
#include <Standard_Failure.hxx>
#include <V3d_Viewer.hxx>
#include <cmath>
#include <cstring>

#include "studio/PartMarks.h"

namespace {

// Further than this from where it was pressed, a button drags rather than clicks.
constexpr int kClickSlack = 3;
// Still this long, a view that moved draws the part in full again.
constexpr int kSettleMilliseconds = 250;
// Around a framed face, this share of the view.
constexpr double kFaceMargin = 0.3;

gp_Dir Perpendicular(const gp_Dir& pull) {
    // Across a pull along Z this looks from the front (-Y), as a drawing's front view does.
    return (std::abs(pull.X()) < 0.9 ? gp::DX() : gp::DY()).Crossed(pull);
}

}  // namespace

PartView::PartView(QWidget* parent) : QWidget(parent), m_settle(new QTimer(this)) {
    setMinimumSize(320, 240);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMilliseconds);
    connect(m_settle, &QTimer::timeout, this, &PartView::Settled);
    setFocusPolicy(Qt::StrongFocus);
    StartViewer();
}

PartView::~PartView() {
    if (m_context) {
        m_context->RemoveAll(false);
    }
    if (m_view) {
        m_view->Remove();
    }
}

void PartView::StartViewer() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        m_unavailable = tr("The 3D view needs an X display with OpenGL; Qt runs on "
                           "the \"%1\" platform.")
                            .arg(QGuiApplication::platformName());
        return;
    }
    try {
        Handle(Aspect_DisplayConnection) display = new Aspect_DisplayConnection();
        Handle(OpenGl_GraphicDriver) driver = new OpenGl_GraphicDriver(display);
        Handle(V3d_Viewer) viewer = new V3d_Viewer(driver);
        viewer->SetDefaultLights();
        viewer->SetLightOn();
        m_context = new AIS_InteractiveContext(viewer);
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        m_window = new Aspect_NeutralWindow();
        m_window->SetNativeHandle(static_cast<Aspect_Drawable>(winId()));
        const QPoint size = Device(QPoint(width(), height()));
        m_window->SetSize(size.x(), size.y());
        m_view = viewer->CreateView();
        m_view->SetWindow(m_window);
        m_view->SetBgGradientColors(Quantity_Color(0.85, 0.88, 0.92, Quantity_TOC_sRGB),
                                    Quantity_Color(0.55, 0.6, 0.68, Quantity_TOC_sRGB),
                                    Aspect_GradientFillMethod_Vertical, false);
        // Drawn once per change, when this widget paints: changes made together (a face
        // selected and framed, a part shown before its window is) cost one drawing, which for a
        // large part is most of what showing it costs.
        m_view->SetImmediateUpdate(false);
        m_view->TriedronDisplay(Aspect_TOTP_LEFT_LOWER, Quantity_NOC_GRAY20, 0.08);
    } catch (const Standard_Failure& failure) {
        m_unavailable =
            tr("OpenGL could not start: %1").arg(QString::fromUtf8(failure.GetMessageString()));
        m_view.Nullify();
        m_context.Nullify();
        m_window.Nullify();
        setAttribute(Qt::WA_PaintOnScreen, false);
    }
}

QPoint PartView::Device(const QPoint& point) const {
    return point * devicePixelRatioF();
}

void PartView::Show(const check::CheckReport& report, std::shared_ptr<PartShapes> shapes) {
    m_pull = report.pull;
    m_selected = 0;
    if (!m_context) {
        return;
    }
    m_context->RemoveAll(false);
    m_shapes = shapes ? std::move(*shapes) : BuildPartShapes(report, report.meshes, m_colourBy);
    if (m_shapes.colouredBy != m_colourBy) {
        m_shapes.faces = new PartFaces(*m_shapes.meshes, *m_shapes.colours, m_colourBy);
        m_shapes.colouredBy = m_colourBy;
    }
    DisplayFaces();
    m_context->Display(m_shapes.outlines, 0, -1, false);
    m_context->Display(m_shapes.pullArrow, 0, -1, false);
    DisplayPartingLine();
    LookFrom(Direction::Corner);
}

void PartView::DisplayPartingLine() {
    if (m_colourBy == ColourBy::MouldSides) {
        m_context->Display(m_shapes.partingLine, 0, -1, false);
    } else {
        m_context->Erase(m_shapes.partingLine, false);
    }
}

bool PartView::ShowsPartingLine() const {
    return m_context && !m_shapes.partingLine.IsNull() &&
           m_context->IsDisplayed(m_shapes.partingLine);
}

int PartView::PartingLineSegments() const {
    const Handle(PartingLines) lines = Handle(PartingLines)::DownCast(m_shapes.partingLine);
    return lines.IsNull() ? 0 : lines->Segments();
}

const std::vector<check::SolidMesh>& PartView::Meshes() const {
    static const std::vector<check::SolidMesh> none;
    return m_shapes.meshes ? *m_shapes.meshes : none;
}

void PartView::DisplayFaces() {
    m_moving = false;
    m_settle->stop();
    m_context->Display(m_shapes.faces, 0, 0, false);
    m_owners.clear();
    const Handle(SelectMgr_Selection)& selection = m_shapes.faces->Selection(0);
    if (selection.IsNull()) {
        return;
    }
    for (const Handle(SelectMgr_SensitiveEntity) & entity : selection->Entities()) {
        const Handle(SelectMgr_EntityOwner)& owner = entity->BaseSensitive()->OwnerId();
        if (const std::uint32_t face = FaceOf(owner); face != 0) {
            m_owners[face] = owner;
        }
    }
}

void PartView::Moving() {
    if (!m_moving && m_context && !m_shapes.faces.IsNull() && m_shapes.faces->Large()) {
        m_moving = true;
        m_context->SetDisplayMode(m_shapes.faces, PartFaces::kCoarse, false);
        m_context->Erase(m_shapes.outlines, false);
    }
    m_settle->start();
}

void PartView::Settled() {
    m_settle->stop();
    if (m_moving) {
        m_moving = false;
        m_context->SetDisplayMode(m_shapes.faces, PartFaces::kFine, false);
        m_context->Display(m_shapes.outlines, false);
        update();
    }
}

std::uint32_t PartView::FaceOf(const Handle(SelectMgr_EntityOwner) & owner) {
    const Handle(FaceOwner) face = Handle(FaceOwner)::DownCast(owner);
    return face.IsNull() ? 0 : face->Face();
}

void PartView::SetColourBy(ColourBy by) {
    m_colourBy = by;
    if (m_context && !m_shapes.faces.IsNull()) {
        const std::uint32_t selected = SelectedFace();
        Settled();
        m_context->Remove(m_shapes.faces, false);
        m_shapes.faces = new PartFaces(*m_shapes.meshes, *m_shapes.colours, by);
        m_shapes.colouredBy = by;
        DisplayFaces();
        DisplayPartingLine();
        if (selected != 0) {
            Highlight(selected);
        }
        update();
    }
}

void PartView::SelectFace(std::uint32_t face) {
    m_selected = face;
    if (m_context && Highlight(face)) {
        m_view->FitAll(*m_shapes.faces->FaceBox(face), kFaceMargin, false);
        m_view->ZFitAll();
        update();
    }
}

bool PartView::Highlight(std::uint32_t face) {
    m_context->ClearSelected(false);
    const auto owner = m_owners.find(face);
    if (owner != m_owners.end()) {
        m_context->AddOrRemoveSelected(owner->second, false);
    }
    update();
    return owner != m_owners.end();
}

std::uint32_t PartView::SelectedFace() const {
    if (!m_context) {
        return m_selected;
    }
    m_context->InitSelected();
    return m_context->MoreSelected() ? FaceOf(m_context->SelectedOwner()) : 0;
}

std::uint32_t PartView::FaceAt(const QPoint& point) {
    if (!m_context) {
        return 0;
    }
    const QPoint at = Device(point);
    m_context->MoveTo(at.x(), at.y(), m_view, false);
    return m_context->HasDetected() ? FaceOf(m_context->DetectedOwner()) : 0;
}

QPoint PartView::OnScreen(const check::Point& point) const {
    if (!m_view) {
        return {};
    }
    Standard_Integer x = 0;
    Standard_Integer y = 0;
    m_view->Convert(point[0], point[1], point[2], x, y);
    return QPoint(x, y) / devicePixelRatioF();
}

void PartView::LookFrom(Direction direction) {
    if (!m_view) {
        return;
    }
    const gp_Dir pull(m_pull[0], m_pull[1], m_pull[2]);
    const gp_Dir front = Perpendicular(pull);
    const gp_Dir right = pull.Crossed(front);
    gp_Dir eye = pull;
    gp_Dir up = right.Crossed(pull);
    switch (direction) {
        case Direction::AlongPull:
            break;
        case Direction::AgainstPull:
            eye = pull.Reversed();
            break;
        case Direction::AcrossPull:
            eye = front;
            up = pull;
            break;
        case Direction::AcrossPullSide:
            eye = right;
            up = pull;
            break;
        case Direction::Corner:
            eye = gp_Dir(pull.XYZ() + front.XYZ() - right.XYZ());
            up = pull;
            break;
        case Direction::CornerBelow:
            eye = gp_Dir(front.XYZ() - right.XYZ() - pull.XYZ());
            up = pull;
            break;
    }
    m_view->SetProj(eye.X(), eye.Y(), eye.Z());
    m_view->SetUp(up.X(), up.Y(), up.Z());
    FitAll();
}

void PartView::FitAll() {
    if (m_view) {
        m_view->FitAll(0.05, false);
        m_view->ZFitAll();
        update();
    }
}

QImage PartView::Picture(const QSize& size) {
    if (!m_view) {
        return {};
    }
    Settled();
    Image_AlienPixMap pixels;
    if (!m_view->ToPixMap(pixels, size.width(), size.height(), Graphic3d_BT_RGB)) {
        return {};
    }
    // The pixels come in the order the graphics card keeps them.
    QImage picture(
        static_cast<int>(pixels.SizeX()), static_cast<int>(pixels.SizeY()),
        pixels.Format() == Image_Format_BGR ? QImage::Format_BGR888 : QImage::Format_RGB888);
    const std::size_t rowBytes = pixels.SizeX() * 3;
    for (int row = 0; row < picture.height(); ++row) {
        std::memcpy(picture.scanLine(row), pixels.Row(static_cast<std::size_t>(row)), rowBytes);
    }
    return picture;
}

void PartView::Turn(int pixels) {
    if (m_view) {
        // One drag from the middle, begun at the first turn: starting a rotation weighs every
        // point drawn for its centre.
        const QPoint middle = Device(rect().center());
        if (m_turned == 0) {
            m_view->StartRotation(middle.x(), middle.y());
        }
        Moving();
        m_turned += pixels;
        m_view->Rotation(middle.x() + m_turned, middle.y());
        m_view->Redraw();
    }
}

QPaintEngine* PartView::paintEngine() const {
    return m_view ? nullptr : QWidget::paintEngine();
}

void PartView::paintEvent(QPaintEvent*) {
    if (m_view) {
        m_view->InvalidateImmediate();
        m_view->Redraw();
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     m_unavailable);
}

void PartView::resizeEvent(QResizeEvent*) {
    if (m_view) {
        const QPoint size = Device(QPoint(width(), height()));
        m_window->SetSize(size.x(), size.y());
        m_view->MustBeResized();
        m_view->Invalidate();
    }
}

void PartView::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->position().toPoint();
    m_last = m_pressed;
    m_dragged = false;
    m_turned = 0;
    if (m_view && event->button() == Qt::LeftButton) {
        const QPoint at = Device(m_pressed);
        m_view->StartRotation(at.x(), at.y());
    }
}

void PartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    m_dragged = m_dragged || (point - m_pressed).manhattanLength() > kClickSlack;
    if (m_view && m_dragged) {
        Moving();
        const QPoint at = Device(point);
        const QPoint step = Device(point - m_last);
        if (event->buttons() & Qt::LeftButton) {
            m_view->Rotation(at.x(), at.y());
        } else if (event->buttons() & Qt::MiddleButton) {
            m_view->Pan(step.x(), -step.y());
        }
        update();
    }
    m_last = point;
}

void PartView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragged && m_view) {
        Settled();
    }
    if (m_dragged || event->button() != Qt::LeftButton || !m_context) {
        return;
    }
    FaceAt(event->position().toPoint());
    m_context->SelectDetected();
    m_selected = SelectedFace();
    update();
    emit FaceClicked(m_selected);
}

void PartView::wheelEvent(QWheelEvent* event) {
    if (!m_view) {
        return;
    }
    const QPoint at = Device(event->position().toPoint());
    const int step = event->angleDelta().y() / 8;
    Moving();
    m_view->StartZoomAtPoint(at.x(), at.y());
    m_view->ZoomAtPoint(at.x(), at.y(), at.x() + step, at.y() + step);
    update();
}
