#include <gmock/gmock.h>

#include <algorithm>
#include <set>

#include "check/ReportFormat.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

class ReportMeshTest : public CheckFixture {};

std::set<std::uint32_t> FacesFound(const check::CheckReport& report, const std::string& rule) {
    std::set<std::uint32_t> faces;
    for (const check::RuleResult& result : report.rules) {
        if (result.rule == rule) {
            for (const check::Finding& finding : result.findings) {
                faces.insert(finding.face);
            }
        }
    }
    return faces;
}

// The face of a mesh whose triangles all lie at this height, facing up or down.
std::set<std::uint32_t> FacesAtHeight(const check::SolidMesh& mesh, double z) {
    std::set<std::uint32_t> faces;
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        const auto& corners = mesh.triangles[t];
        if (std::all_of(corners.begin(), corners.end(), [&](std::uint32_t v) {
                return std::abs(mesh.vertices[v][2] - z) < 1e-6;
            })) {
            faces.insert(mesh.triangleFaces[t]);
        }
    }
    return faces;
}

check::FaceMould MouldOf(const check::SolidMesh& mesh, std::uint32_t face) {
    return mesh.faces.at(face - mesh.firstFace - 1);
}

// Each solid's mesh is in the document's unit and names its faces as the findings do, after the
// faces of the solids before it.
TEST_F(ReportMeshTest, EachSolidsMeshNamesFacesAsTheFindingsDoInTheDocumentsUnit) {
    test_parts::WriteStep(test_parts::CupOverBoard(), Path("assembly.step"));
    const check::CheckReport report = Check(Path("assembly.step"), Rules("in"));
    ASSERT_EQ(report.meshes.size(), 2u);
    for (std::size_t s = 0; s < 2; ++s) {
        const check::SolidMesh& mesh = report.meshes[s];
        EXPECT_EQ(mesh.solid, report.solids[s].number);
        ASSERT_EQ(mesh.faces.size(), report.solids[s].faces);
        ASSERT_EQ(mesh.triangleFaces.size(), mesh.triangles.size());
        std::set<std::uint32_t> drawn(mesh.triangleFaces.begin(), mesh.triangleFaces.end());
        EXPECT_EQ(*drawn.begin(), mesh.firstFace + 1);
        EXPECT_EQ(*drawn.rbegin(), mesh.firstFace + mesh.faces.size());
        EXPECT_EQ(drawn.size(), mesh.faces.size());
        for (const check::RuleResult& rule : report.rules) {
            for (const check::Finding& finding : rule.findings) {
                EXPECT_EQ(drawn.count(finding.face) == 1, rule.solid == mesh.solid)
                    << rule.rule << " face " << finding.face;
            }
        }
        for (const check::Point& vertex : mesh.vertices) {
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_GE(vertex[axis], report.solids[s].size.low[axis] - 1e-9);
                EXPECT_LE(vertex[axis], report.solids[s].size.high[axis] + 1e-9);
            }
        }
    }
    EXPECT_EQ(report.meshes[1].firstFace, report.solids[0].faces);
    // The cup's top, 30 mm up.
    double top = 0;
    for (const check::Point& vertex : report.meshes[0].vertices) {
        top = std::max(top, vertex[2]);
    }
    EXPECT_NEAR(top, 30 / 25.4, 1e-9);
}

// The cup's top is the cavity's and the rim it stands on the core's; the side hole's faces are
// the undercut ones, the same the undercut rule reports.
TEST_F(ReportMeshTest, FacesKnowTheirMouldHalfAndUndercut) {
    test_parts::WriteStep(test_parts::Cup(false, true), Path("cup.step"));
    const check::CheckReport report = Check(Path("cup.step"), Rules("mm"));
    ASSERT_EQ(report.meshes.size(), 1u);
    const check::SolidMesh& mesh = report.meshes[0];
    for (const std::uint32_t top : FacesAtHeight(mesh, 30)) {
        EXPECT_EQ(MouldOf(mesh, top).side, check::FaceSide::Cavity) << "face " << top;
    }
    const std::set<std::uint32_t> rim = FacesAtHeight(mesh, 0);
    ASSERT_EQ(rim.size(), 1u);
    EXPECT_EQ(MouldOf(mesh, *rim.begin()).side, check::FaceSide::Core);

    std::set<std::uint32_t> undercut;
    for (std::uint32_t f = 0; f < mesh.faces.size(); ++f) {
        if (mesh.faces[f].undercut) {
            undercut.insert(mesh.firstFace + f + 1);
        }
    }
    EXPECT_FALSE(undercut.empty());
    EXPECT_EQ(undercut, FacesFound(report, "Undercut Detection")) << check::ReportText(report);
}

// A check that keeps no mesh (the command's) leaves the report without one.
TEST_F(ReportMeshTest, ACheckMayLeaveTheMeshOut) {
    test_parts::WriteStep(test_parts::DraftedBlock(1, 1, 1, 1), Path("block.step"));
    check::CheckOptions options;
    options.keepMeshes = false;
    EXPECT_TRUE(Check(Path("block.step"), Rules("mm"), options).meshes.empty());
}

}  // namespace
