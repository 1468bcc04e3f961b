#include <gtest/gtest.h>

#include "studio/PartMarks.h"

namespace {

// A square cut into this many squares along each side, two triangles each, every triangle a
// face of its own (a fine mesh grown into tiny regions); the first face undercut.
check::SolidMesh SquareOfTinyFaces(std::uint32_t along) {
    check::SolidMesh mesh;
    for (std::uint32_t j = 0; j <= along; ++j) {
        for (std::uint32_t i = 0; i <= along; ++i) {
            mesh.vertices.push_back({double(i), double(j), 0});
        }
    }
    for (std::uint32_t j = 0; j < along; ++j) {
        for (std::uint32_t i = 0; i < along; ++i) {
            const std::uint32_t corner = j * (along + 1) + i;
            mesh.triangles.push_back({corner, corner + 1, corner + along + 2});
            mesh.triangles.push_back({corner, corner + along + 2, corner + along + 1});
        }
    }
    for (std::uint32_t t = 0; t < mesh.triangles.size(); ++t) {
        mesh.triangleFaces.push_back(t + 1);
    }
    mesh.faces.resize(mesh.triangles.size());
    mesh.faces[0].undercut = true;
    return mesh;
}

// Every side between two faces is outlined, the undercut face's apart; past 100,000 outlines
// none are drawn, and the undercut face stays outlined.
TEST(PartOutlines, OutlineFacesUndercutsApartAndNonePastTheMost) {
    struct Case {
        std::uint32_t along;
        int outlines;
    };
    // A grid of n squares cut in two has 3n² + 2n sides, 3 of them the undercut face's.
    const Case cases[] = {{10, 3 * 100 + 20 - 3}, {200, 0}};
    for (const Case& c : cases) {
        const std::vector<check::SolidMesh> meshes{SquareOfTinyFaces(c.along)};
        const FaceColours colours({}, meshes);
        const Handle(PartOutlines) outlines = new PartOutlines(meshes, colours);
        EXPECT_EQ(outlines->OutlineSegments(), c.outlines) << c.along;
        EXPECT_EQ(outlines->UndercutSegments(), 3) << c.along;
    }
}

}  // namespace
