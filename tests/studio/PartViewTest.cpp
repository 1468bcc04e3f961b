#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "check/PartChecker.h"
#include "studio/CheckResultsWindow.h"
#include "studio/CheckRunner.h"
#include "studio/FacePull.h"
#include "studio/MainWindow.h"
#include "studio/PartCheckDialog.h"
#include "studio/PartShapes.h"
#include "studio/PartView.h"
#include "studio/PartViewPanel.h"
#include "tests/check/TestParts.h"
#include "tests/studio/ReferencePicture.h"
#include "tests/studio/StudioTestSupport.h"

namespace {

std::string TextOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The middle of the face's triangles, as the mesh holds them.
check::Point MiddleOf(const check::SolidMesh& mesh, std::uint32_t face) {
    check::Point sum{};
    double count = 0;
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        if (mesh.triangleFaces[t] == face) {
            for (const std::uint32_t v : mesh.triangles[t]) {
                for (int axis = 0; axis < 3; ++axis) {
                    sum[axis] += mesh.vertices[v][axis];
                }
                ++count;
            }
        }
    }
    return {sum[0] / count, sum[1] / count, sum[2] / count};
}

// The face all of whose corners are where this says.
std::uint32_t FaceWhere(const check::SolidMesh& mesh,
                        const std::function<bool(const check::Point&)>& where) {
    std::set<std::uint32_t> off;
    std::set<std::uint32_t> on;
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        for (const std::uint32_t v : mesh.triangles[t]) {
            (where(mesh.vertices[v]) ? on : off).insert(mesh.triangleFaces[t]);
        }
    }
    for (const std::uint32_t face : on) {
        if (!off.count(face)) {
            return face;
        }
    }
    return 0;
}

// The face all of whose corners lie on the plane where this coordinate has this value.
std::uint32_t FaceOnPlane(const check::SolidMesh& mesh, int axis, double value) {
    return FaceWhere(mesh, [=](const check::Point& p) { return std::abs(p[axis] - value) < 1e-6; });
}

// The side hole's face: round the line y = 30, z = 15, 3 from it.
std::uint32_t SideHole(const check::SolidMesh& mesh) {
    return FaceWhere(mesh, [](const check::Point& p) {
        return std::abs(std::hypot(p[1] - 30, p[2] - 15) - 3) < 1e-3;
    });
}

// A colour's share of red, green and blue: the same however brightly a face is lit.
std::array<double, 3> Chromaticity(const QColor& colour) {
    const double sum = colour.red() + colour.green() + colour.blue() + 1e-9;
    return {colour.red() / sum, colour.green() / sum, colour.blue() / sum};
}

// The cup with a hole through its x = 0 wall, checked along +Z against a document at its
// defaults, its findings beside it in a window on the X display.
class PartViewTest : public testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path part = m_folder.Path() / "cup.step";
        test_parts::WriteStep(test_parts::Cup(false, true), part);
        ASSERT_EQ(RunVeritorRules(m_folder.Path(), "new rules.xml --unit mm").status, 0);
        m_report = check::PartChecker({}).Check(part, m_folder.Path() / "rules.xml");
        ASSERT_EQ(m_report.meshes.size(), 1u);
        m_window.Show(m_report);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        if (!View().Unavailable().isEmpty()) {
            GTEST_SKIP() << "the part view cannot draw here: "
                         << View().Unavailable().toStdString();
        }
    }

    PartView& View() { return m_window.Part().View(); }
    const check::SolidMesh& Mesh() const { return m_report.meshes[0]; }

    // The findings' rows that are selected, by the face each names.
    std::set<std::uint32_t> SelectedRowsFaces() {
        std::set<std::uint32_t> faces;
        for (const QModelIndex& row : m_window.Findings().selectionModel()->selectedRows()) {
            faces.insert(
                m_window.Findings().item(row.row(), CheckResultsWindow::Face)->text().toUInt());
        }
        return faces;
    }

    TemporaryFolder m_folder;
    check::CheckReport m_report;
    CheckResultsWindow m_window;
};

// A finding's row picks its face in the view and frames it, for a plane wall and the side hole.
TEST_F(PartViewTest, AFindingsRowSelectsAndFramesItsFace) {
    QTableWidget& findings = m_window.Findings();
    ASSERT_GT(findings.rowCount(), 0);
    for (const char* rule : {"Draft Angle", "Undercut Detection"}) {
        const QList<QTableWidgetItem*> rows =
            findings.findItems(QString::fromLatin1(rule), Qt::MatchExactly);
        ASSERT_FALSE(rows.isEmpty()) << rule;
        const int row = rows.front()->row();
        const std::uint32_t face = findings.item(row, CheckResultsWindow::Face)->text().toUInt();
        QTest::mouseClick(
            findings.viewport(), Qt::LeftButton, {},
            findings.visualItemRect(findings.item(row, CheckResultsWindow::Face)).center());
        EXPECT_EQ(View().SelectedFace(), face) << rule;
        const QPoint middle = View().OnScreen(MiddleOf(Mesh(), face));
        EXPECT_LT((middle - View().rect().center()).manhattanLength(), View().width() / 4)
            << rule << ": face " << face << " is not framed";
    }
}

// A click on the front wall, seen across the pull, selects that face and its findings' rows.
TEST_F(PartViewTest, AFaceClickedInTheViewSelectsItsFindings) {
    const std::uint32_t front = FaceOnPlane(Mesh(), 1, 0);
    ASSERT_NE(front, 0u);
    View().LookFrom(PartView::Direction::AcrossPull);
    QTest::mouseClick(&View(), Qt::LeftButton, {}, View().OnScreen(MiddleOf(Mesh(), front)));
    EXPECT_EQ(View().SelectedFace(), front);
    EXPECT_EQ(SelectedRowsFaces(), std::set<std::uint32_t>{front});
}

// Each face is drawn in its colour: by findings, then by mould halves once asked; and the whole
// picture stays close to the reference.
TEST_F(PartViewTest, FacesAreDrawnInTheirColours) {
    const FaceColours colours(m_report.rules, m_report.meshes);
    const std::uint32_t front = FaceOnPlane(Mesh(), 1, 0);
    const std::uint32_t top = FaceOnPlane(Mesh(), 2, 30);
    const std::uint32_t rim = FaceOnPlane(Mesh(), 2, 0);
    struct Case {
        ColourBy by;
        std::uint32_t face;
        PartView::Direction from;
    };
    const Case cases[] = {{ColourBy::Findings, front, PartView::Direction::Corner},
                          {ColourBy::Findings, top, PartView::Direction::Corner},
                          {ColourBy::MouldSides, top, PartView::Direction::Corner},
                          {ColourBy::MouldSides, rim, PartView::Direction::AgainstPull}};
    for (const Case& c : cases) {
        m_window.Part().MouldSides().setChecked(c.by == ColourBy::MouldSides);
        View().LookFrom(c.from);
        const QImage picture = View().Picture(View().size() * View().devicePixelRatioF());
        const QPoint at = View().OnScreen(MiddleOf(Mesh(), c.face)) * View().devicePixelRatioF();
        const auto drawn = Chromaticity(picture.pixelColor(at));
        const auto wanted = Chromaticity(colours.Colour(c.face, c.by));
        for (int channel = 0; channel < 3; ++channel) {
            EXPECT_NEAR(drawn[channel], wanted[channel], 0.06)
                << "face " << c.face << " drawn " << picture.pixelColor(at).name().toStdString()
                << ", wanted " << colours.Colour(c.face, c.by).name().toStdString();
        }
    }
    EXPECT_THAT(m_window.Part().Legend().text().toStdString(), testing::HasSubstr("Cavity side"));
}

// The parting line goes with the mould halves' tints: drawn from the report's lines, one segment
// per span of their points, and listed in the legend.
TEST_F(PartViewTest, ThePartingLineIsDrawnWithTheMouldSides) {
    std::size_t spans = 0;
    for (const check::PartingPolyline& line : m_report.solids[0].partingLine.lines) {
        spans += line.closed ? line.points.size() : line.points.size() - 1;
    }
    ASSERT_GT(spans, 0u);
    EXPECT_FALSE(View().ShowsPartingLine());
    m_window.Part().MouldSides().setChecked(true);
    EXPECT_TRUE(View().ShowsPartingLine());
    EXPECT_EQ(static_cast<std::size_t>(View().PartingLineSegments()), spans);
    EXPECT_THAT(m_window.Part().Legend().text().toStdString(), testing::HasSubstr("Parting line"));
    m_window.Part().MouldSides().setChecked(false);
    EXPECT_FALSE(View().ShowsPartingLine());
}

// The housing from a corner with its legend, as the reference shows it. Mesa draws alike from
// run to run; the tolerance allows for another version's edges.
TEST_F(PartViewTest, ThePictureMatchesTheReference) {
    View().LookFrom(PartView::Direction::Corner);
    ExpectLikeReference(m_window.Part().Picture(QSize(480, 360)), "part-view-housing.png",
                        {48, 0.03});
}

// The shapes a check builds on its own thread, its faces' picking worked out there, are drawn as
// those the view builds from the report itself.
TEST_F(PartViewTest, ShapesBuiltBesideTheCheckAreDrawnAlike) {
    View().LookFrom(PartView::Direction::Corner);
    const QImage built = m_window.Part().Picture(QSize(480, 360));
    CheckRunner runner({}, m_folder.Path() / "cup.step", TextOf(m_folder.Path() / "rules.xml"),
                       "rules.xml", ColourBy::Findings);
    QSignalSpy finished(&runner, &CheckRunner::Finished);
    ASSERT_TRUE(finished.wait(60'000));
    ASSERT_EQ(runner.Outcome(), CheckRunner::State::Done);
    const std::shared_ptr<PartShapes> shapes = runner.TakeShapes();
    ASSERT_NE(shapes, nullptr);
    EXPECT_TRUE(shapes->faces->HasSelection(0));
    m_window.Show(runner.TakeReport(), shapes);
    View().LookFrom(PartView::Direction::Corner);
    EXPECT_EQ(m_window.Part().Picture(QSize(480, 360)), built);
    EXPECT_EQ(View().Meshes().size(), 1u);
}

// Without a display the program starts its own virtual one and writes the picture.
TEST_F(PartViewTest, ScreenshotPartWorksWithoutADisplay) {
    test_parts::WriteStep(test_parts::HolePlate(), m_folder.Path() / "plate.step");
    const std::filesystem::path out = m_folder.Path() / "plate.png";
    const std::string command = "cd '" + m_folder.Path().string() + "' && env -u DISPLAY '" +
                                VERITOR_STAGE_DIR + "/bin/veritor-studio' --screenshot-part " +
                                "plate.step rules.xml plate.png --pull 0,0,-1 --view below 2>&1";
    const CommandResult result = RunShell(command);
    ASSERT_EQ(result.status, 0) << result.out;
    const QImage picture(QString::fromStdString(out.string()));
    EXPECT_EQ(picture.width(), 960);
    EXPECT_GT(picture.height(), 720);

    const CommandResult refused =
        RunShell("cd '" + m_folder.Path().string() + "' && '" + VERITOR_STAGE_DIR +
                 "/bin/veritor-studio' --screenshot-part plate.step rules.xml no.png --pull 0,0,0 "
                 "2>&1");
    EXPECT_EQ(refused.status, 2);
    EXPECT_THAT(refused.out, testing::HasSubstr("--pull"));
}

// A plane face offers its outward normal as the pull, a round one its axis.
TEST_F(PartViewTest, AFaceOffersItsNormalOrItsAxisAsThePull) {
    struct Case {
        const char* face;
        std::uint32_t number;
        check::Point pull;
    };
    const Case cases[] = {{"front wall", FaceOnPlane(Mesh(), 1, 0), {0, -1, 0}},
                          {"top", FaceOnPlane(Mesh(), 2, 30), {0, 0, 1}},
                          {"side hole", SideHole(Mesh()), {1, 0, 0}}};
    for (const Case& c : cases) {
        ASSERT_NE(c.number, 0u) << c.face;
        const std::optional<check::Point> pull =
            PullAlongFace(m_report.meshes, c.number, m_report.pull);
        ASSERT_TRUE(pull) << c.face;
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR((*pull)[axis], c.pull[axis], 1e-3) << c.face << " axis " << axis;
        }
    }
    EXPECT_FALSE(PullAlongFace(m_report.meshes, 9999, m_report.pull));
}

// Pick Pull, then a click on the front wall: the Check Part dialog opens on the same part with
// the wall's normal as the pull.
TEST_F(PartViewTest, APickedFaceOpensTheCheckPartDialogWithItsPull) {
    MainWindow main;
    CheckResultsWindow& results = main.CheckResults();
    results.Show(m_report);
    results.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&results));
    PartView& view = results.Part().View();
    view.LookFrom(PartView::Direction::AcrossPull);
    QTest::mouseClick(&results.PickPull(), Qt::LeftButton);
    QString offeredPull;
    QString offeredPart;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PartCheckDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offeredPull = dialog->findChild<QComboBox*>(QStringLiteral("pull"))->currentText();
        offeredPart = dialog->findChild<QLineEdit*>(QStringLiteral("part"))->text();
        dialog->reject();
    });
    QTest::mouseClick(&view, Qt::LeftButton, {},
                      view.OnScreen(MiddleOf(Mesh(), FaceOnPlane(Mesh(), 1, 0))));
    EXPECT_EQ(offeredPull, QStringLiteral("0,-1,0"));
    EXPECT_EQ(offeredPart.toStdString(), m_report.part);
    EXPECT_FALSE(results.PickPull().isChecked());
}

}  // namespace
