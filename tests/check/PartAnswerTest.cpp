#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "check/geometry/PartAnswer.h"
#include "check/geometry/PartAnswerReader.h"

namespace {

using check::PartAnswer;

// Two faces in two solids, a counterbored hole with its rim, a sharp corner, a boss standing on
// the other face, two triangles over four vertices and the edge between them.
check::Part SmallPart() {
    check::Part part;
    part.hasSurfaces = true;
    part.faces = {{check::SurfaceKind::Torus, 0.5, false, true, false, 12.5, 5},
                  {check::SurfaceKind::Cylinder, 3, true, false, true, 7.25, 6}};
    part.vertices = {{0, 0, 0}, {5, 0, 0}, {5, 5, 0}, {0, 5, 1e-3}};
    part.vertexNormals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, -1}};
    part.triangles = {{{0, 1, 2}, 0}, {{0, 2, 3}, 1}};
    part.holes = {{1, 1, {8, 20, 0}, {0, 0, 1}, 6, 10, 10, 4, 1, check::HoleEntry::Chamfer}};
    part.bosses = {{1, 0, {30, 20, 2}, {0, 0, 1}, 10, 4, 12, 1, 0.5}};
    part.featureFaces = {{check::FeatureKind::Hole, 1, 1}, {check::FeatureKind::Boss, 1, 0}};
    part.holeRims = {{1, 2.5}};
    part.sharpCorners = {{0, 1, 90}};
    part.edgeSpans = {{5, 2, 0}};
    part.solids = {{0, 1, 0}, {1, 1, 4}};
    part.warnings = {"solid 2: not closed"};
    return part;
}

std::string Encoded(const std::function<void(const PartAnswer::Sink&)>& write) {
    std::string bytes;
    write([&bytes](std::string_view piece) { bytes.append(piece); });
    return bytes;
}

std::string EncodedPart(const check::Part& part) {
    return Encoded([&](const auto& sink) { PartAnswer::WritePart(part, sink); });
}

TEST(PartAnswerTest, EachAnswerReadsBackAsWritten) {
    const check::Part part = SmallPart();
    const std::optional<PartAnswer> read = PartAnswer::Decode(EncodedPart(part));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->kind, PartAnswer::Kind::Part);
    EXPECT_TRUE(read->part.hasSurfaces);
    ASSERT_EQ(read->part.faces.size(), 2u);
    EXPECT_EQ(read->part.faces[1].surface, check::SurfaceKind::Cylinder);
    EXPECT_EQ(read->part.faces[1].radius, 3);
    EXPECT_TRUE(read->part.faces[1].blend && read->part.faces[1].hole);
    EXPECT_FALSE(read->part.faces[1].round);
    EXPECT_TRUE(read->part.faces[0].round);
    EXPECT_FALSE(read->part.faces[0].blend || read->part.faces[0].hole);
    EXPECT_EQ(read->part.faces[0].area, 12.5);
    EXPECT_EQ(read->part.vertices[3].z, 1e-3);
    EXPECT_EQ(read->part.vertexNormals[3].z, -1);
    EXPECT_EQ(read->part.triangles[1].vertex[2], 3u);
    EXPECT_EQ(read->part.triangles[1].face, 1u);
    ASSERT_EQ(read->part.holeRims.size(), 1u);
    EXPECT_EQ(read->part.holeRims[0].edgeDistance, 2.5);
    ASSERT_EQ(read->part.holes.size(), 1u);
    EXPECT_EQ(read->part.holes[0].start.y, 20);
    EXPECT_EQ(read->part.holes[0].depth, 10);
    EXPECT_EQ(read->part.holes[0].counterboreDepth, 4);
    EXPECT_EQ(read->part.holes[0].through, 1u);
    EXPECT_EQ(read->part.holes[0].entry, check::HoleEntry::Chamfer);
    ASSERT_EQ(read->part.bosses.size(), 1u);
    EXPECT_EQ(read->part.bosses[0].innerDiameter, 4);
    EXPECT_EQ(read->part.bosses[0].draft, 0.5);
    ASSERT_EQ(read->part.featureFaces.size(), 2u);
    EXPECT_EQ(read->part.featureFaces[1].kind, check::FeatureKind::Boss);
    EXPECT_EQ(read->part.featureFaces[1].face, 0u);
    ASSERT_EQ(read->part.sharpCorners.size(), 1u);
    EXPECT_EQ(read->part.sharpCorners[0].otherFace, 1u);
    EXPECT_EQ(read->part.sharpCorners[0].angle, 90);
    ASSERT_EQ(read->part.edgeSpans.size(), 1u);
    EXPECT_EQ(read->part.edgeSpans[0].edge, 5u);
    EXPECT_EQ(read->part.edgeSpans[0].from, 2u);
    ASSERT_EQ(read->part.solids.size(), 2u);
    EXPECT_EQ(read->part.solids[1].firstFace, 1u);
    EXPECT_EQ(read->part.solids[1].openEdges, 4u);
    EXPECT_EQ(read->part.warnings, std::vector<std::string>{"solid 2: not closed"});

    const auto refusal = PartAnswer::Decode(Encoded([](const auto& sink) {
        PartAnswer::WriteRefusal("part.step: cannot be read: two\nlines", sink);
    }));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, PartAnswer::Kind::Refusal);
    EXPECT_EQ(refusal->refusal, "part.step: cannot be read: two lines");

    const auto memory =
        PartAnswer::Decode(Encoded([](const auto& sink) { PartAnswer::WriteOutOfMemory(sink); }));
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->kind, PartAnswer::Kind::OutOfMemory);
}

// The pipe hands the answer over in pieces of any size, splitting counts and records anywhere;
// an answer longer than its bound is refused, however it comes.
TEST(PartAnswerTest, AnAnswerTakenInPiecesOfAnySizeReadsBackWhole) {
    const std::string whole = EncodedPart(SmallPart());
    for (std::size_t piece = 1; piece <= whole.size(); ++piece) {
        check::PartAnswerReader reader(whole.size());
        for (std::size_t at = 0; at < whole.size(); at += piece) {
            reader.Take(std::string_view(whole).substr(at, piece));
        }
        std::optional<PartAnswer> read = reader.Finish();
        ASSERT_TRUE(read) << "pieces of " << piece;
        EXPECT_EQ(EncodedPart(read->part), whole) << "pieces of " << piece;
    }
    check::PartAnswerReader bounded(whole.size() - 1);
    EXPECT_FALSE(bounded.Take(whole));
    EXPECT_FALSE(bounded.Finish());
}

// A reader that fails may write anything: nothing it writes is taken unless it holds together.
TEST(PartAnswerTest, AnswersCutShortOrNotHoldingTogetherAreRefused) {
    const std::string whole = EncodedPart(SmallPart());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(PartAnswer::Decode(whole.substr(0, length))) << "cut to " << length;
    }
    EXPECT_FALSE(PartAnswer::Decode(whole + '\0')) << "a byte too many";
    EXPECT_FALSE(PartAnswer::Decode("\x09")) << "an unknown kind";

    struct Fault {
        std::string name;
        std::function<void(check::Part&)> make;
    };
    const std::vector<Fault> faults{
        {"vertex out of range", [](auto& p) { p.triangles[0].vertex[1] = 4; }},
        {"face out of range", [](auto& p) { p.triangles[1].face = 2; }},
        {"rim of no face", [](auto& p) { p.holeRims[0].holeFace = 7; }},
        {"hole of no face", [](auto& p) { p.holes[0].face = 2; }},
        {"hole depth not a number", [](auto& p) { p.holes[0].depth = std::nan(""); }},
        {"corner beside no face", [](auto& p) { p.sharpCorners[0].otherFace = 2; }},
        {"edge through no vertex", [](auto& p) { p.edgeSpans[0].to = 4; }},
        {"hole entry unknown", [](auto& p) { p.holes[0].entry = check::HoleEntry{3}; }},
        {"boss on no face", [](auto& p) { p.bosses[0].base = 2; }},
        {"boss height not a number", [](auto& p) { p.bosses[0].height = std::nan(""); }},
        {"feature of no kind", [](auto& p) { p.featureFaces[0].kind = check::FeatureKind{3}; }},
        {"feature face of no face", [](auto& p) { p.featureFaces[1].face = 2; }},
        {"normals missing", [](auto& p) { p.vertexNormals.pop_back(); }},
        {"corner not a number", [](auto& p) { p.vertices[2].y = std::nan(""); }},
        {"surface kind unknown", [](auto& p) { p.faces[0].surface = check::SurfaceKind{9}; }},
        {"solids overlapping", [](auto& p) { p.solids[1].firstFace = 0; }},
        {"a face in no solid", [](auto& p) { p.solids.pop_back(); }},
        {"a solid beyond the faces", [](auto& p) { p.solids[1].faceCount = 2; }},
    };
    for (const Fault& fault : faults) {
        check::Part part = SmallPart();
        fault.make(part);
        EXPECT_FALSE(PartAnswer::Decode(EncodedPart(part))) << fault.name;
    }

    // A count larger than the bytes that follow is refused before anything is allocated.
    std::string huge = whole.substr(0, 2);
    huge.append(8, '\xff');
    EXPECT_FALSE(PartAnswer::Decode(huge));
}

}  // namespace
