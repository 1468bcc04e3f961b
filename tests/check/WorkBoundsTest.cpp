#include <gtest/gtest.h>

#include <fmt/format.h>

#include <fstream>
#include <numeric>

#include "check/CheckError.h"
#include "check/ReportFormat.h"
#include "check/geometry/SurfaceSampler.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

class WorkBoundsTest : public CheckFixture {};

// A flat square of side 100 cut into cells x cells squares of two triangles each, the cells
// shared out among faces in rows; the last cells stretched wide so that some triangles are far
// larger than others.
check::Part Grid(int cells, std::uint32_t faces) {
    check::Part part;
    part.faces.resize(faces);
    const double step = 100.0 / cells;
    const auto at = [&](int i, int j) { return static_cast<std::uint32_t>(i * (cells + 1) + j); };
    for (int i = 0; i <= cells; ++i) {
        for (int j = 0; j <= cells; ++j) {
            const double x = i == cells ? 1000 : i * step;
            part.vertices.push_back({x, j * step, 0});
            part.vertexNormals.push_back({0, 0, 1});
        }
    }
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            const auto face = static_cast<std::uint32_t>((static_cast<std::size_t>(i) * cells + j) *
                                                         faces / (cells * cells));
            part.triangles.push_back({{at(i, j), at(i + 1, j), at(i + 1, j + 1)}, face});
            part.triangles.push_back({{at(i, j), at(i + 1, j + 1), at(i, j + 1)}, face});
        }
    }
    return part;
}

TEST_F(WorkBoundsTest, NoMoreSamplesThanTheTargetWhateverTheTriangles) {
    struct Case {
        int cells;
        std::uint32_t faces;
    };
    // Fewer triangles than samples (split), more on few faces, more faces than samples.
    for (const Case& grid : std::vector<Case>{{20, 3}, {40, 1}, {200, 7}, {200, 30'000}}) {
        SCOPED_TRACE(fmt::format("{} cells, {} faces", grid.cells * grid.cells, grid.faces));
        const check::Part part = Grid(grid.cells, grid.faces);
        const std::size_t target = check::CheckOptions{}.samples;
        ASSERT_EQ(target, 20'000u);
        const std::vector<check::SurfaceSample> samples =
            check::SurfaceSampler(target).Sample(part);
        EXPECT_LE(samples.size(), target);
        EXPECT_GT(samples.size(), 10'000u);
        // Together the samples stand for the whole surface, and each face for its own.
        std::vector<double> faceArea(part.faces.size(), 0.0);
        for (const check::SurfaceSample& sample : samples) {
            faceArea[part.triangles[sample.triangle].face] += sample.area;
        }
        const double total = std::accumulate(faceArea.begin(), faceArea.end(), 0.0);
        const double wanted = 1000 * 100;
        EXPECT_NEAR(total, wanted, 1e-6 * wanted);
        if (grid.faces <= target) {
            for (std::size_t f = 0; f < faceArea.size(); ++f) {
                EXPECT_GT(faceArea[f], 0.0) << "face " << f << " has no sample";
            }
        }
    }
}

TEST_F(WorkBoundsTest, RaysOnSeveralThreadsGiveTheOneThreadReport) {
    const std::filesystem::path part = Path("cup.step");
    test_parts::WriteStep(test_parts::Cup(true, true), part);
    const std::filesystem::path rules = Rules("mm");
    check::CheckOptions one;
    one.threads = 1;
    check::CheckOptions several;
    several.threads = 5;
    EXPECT_EQ(check::ReportJson(Check(part, rules, one)),
              check::ReportJson(Check(part, rules, several)));
}

// An ASCII STL of this many copies of a tetrahedron, its numbers written long.
void WriteAsciiTetrahedra(const std::filesystem::path& path, int copies) {
    const char* facets[4] = {"0 0 0;0 10 0;10 0 0", "0 0 0;10 0 0;0 0 10", "0 0 0;0 0 10;0 10 0",
                             "10 0 0;0 10 0;0 0 10"};
    std::ofstream out(path);
    out << "solid tetrahedra\n";
    for (int copy = 0; copy < copies; ++copy) {
        for (const char* facet : facets) {
            out << "facet normal 0.000000e+00 0.000000e+00 0.000000e+00\nouter loop\n";
            double x = 0, y = 0, z = 0;
            for (const char* corner = facet; *corner;) {
                char* end = nullptr;
                x = std::strtod(corner, &end);
                y = std::strtod(end, &end);
                z = std::strtod(end, &end);
                out << fmt::format("vertex {:.6e} {:.6e} {:.6e}\n", x + 20 * copy, y, z);
                corner = *end == ';' ? end + 1 : end;
            }
            out << "endloop\nendfacet\n";
        }
    }
    out << "endsolid tetrahedra\n";
}

TEST_F(WorkBoundsTest, AnAsciiStlWithTooManyFacetsIsRefusedByItsCount) {
    const std::filesystem::path rules = Rules("mm");
    check::CheckOptions limited;
    limited.maxTriangles = 8;
    WriteAsciiTetrahedra(Path("two.stl"), 2);
    // Larger than 64 bytes a facet allowed, so counted: eight facets are allowed.
    ASSERT_GT(std::filesystem::file_size(Path("two.stl")), 64u * 8);
    EXPECT_NO_THROW(Check(Path("two.stl"), rules, limited));
    WriteAsciiTetrahedra(Path("three.stl"), 3);
    try {
        Check(Path("three.stl"), rules, limited);
        ADD_FAILURE() << "twelve facets accepted";
    } catch (const check::CheckError& error) {
        EXPECT_EQ(std::string(error.what()),
                  Path("three.stl").string() + ": more than 8 triangles");
    }
}

}  // namespace
