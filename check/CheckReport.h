#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/SolidFeatures.h"

namespace check {

using Point = std::array<double, 3>;

// Where a face is, so that a person can find it: the centre of its area, its mean outward
// normal (zero where its normals cancel, as around a whole cylinder), its area and the kind of
// surface it lies on ("plane", "cylinder", ..., "other"; fitted on an STL), in the rule
// document's units.
struct FaceGeometry {
    Point centroid{};
    Point normal{};
    double area = 0;
    std::string surface;
};

// A face that does not meet a rule: its number (from 1, in the order the file lists faces),
// what was measured and the limit it missed, in the rule document's units.
struct Finding {
    std::uint32_t face = 0;
    double value = 0;
    double limit = 0;
    int severity = 0;
    // Which limit: "core side", "minimum", ... (empty when the rule has one).
    std::string what;
    FaceGeometry geometry;
};

// A figure a rule reports without judging it (the surface areas of core and cavity).
struct Figure {
    std::string name;
    double value = 0;
};

// One rule of the document applied to one solid of the part, or why it was not.
struct RuleResult {
    std::string rule;   // the English name, as in the document
    std::string shown;  // the name the module shows, in its language
    int severity = 0;
    bool checked = false;
    std::string reason;  // why not checked
    std::string unit;    // of the findings' values and limits
    std::vector<Finding> findings;
    std::vector<Figure> figures;
    // False for a rule that reports figures only, holding nothing to a limit.
    bool judged = true;
    std::uint32_t solid = 1;  // from 1, in the file's order
};

// The box a part or solid fills along the axes, in the rule document's length unit.
struct Box {
    Point low{};
    Point high{};
};

// A stretch of the parting line, in the document's length unit.
struct PartingPolyline {
    // On a part with surfaces, the edge between these faces (the cavity's, then the core's, by
    // the report's numbers), both the same face where the line crosses it at its silhouette; on
    // an STL both are 0 and the line runs on across faces.
    std::uint32_t cavityFace = 0;
    std::uint32_t coreFace = 0;
    // The file's edge it runs along, from 1 in the order the file's solids list their edges; 0
    // where it runs along none (a silhouette, an STL).
    std::uint32_t edge = 0;
    // The last point joins the first.
    bool closed = false;
    // Along the mesh, before its points were thinned.
    double length = 0;
    // Thinned to those that keep the line within the mesh's tolerance.
    std::vector<Point> points;
};

// Where the core side meets the cavity side on a solid's outside.
struct PartingLineReport {
    // Every stretch, listed or not, and their length together.
    std::size_t count = 0;
    double length = 0;
    // The longest stretches first, as many as hold kMostPoints points together.
    std::vector<PartingPolyline> lines;

    static constexpr std::size_t kMostPoints = 10'000;
};

// A solid of the part that was checked.
struct SolidSummary {
    std::uint32_t number = 1;  // from 1, in the file's order
    std::size_t faces = 0;
    Box size;
    PartingLineReport partingLine;
    // Its holes, ribs and bosses; none on a mesh, where they are not told.
    std::optional<SolidFeatures> features;
};

// A pull direction the checker tried when it chose one, and the area neither half reaches along
// it, in the document's area unit.
struct PullCandidateResult {
    Point direction{};
    std::string source;  // "axis Z", "principal axis 1", "normal of face 12"
    double undercutArea = 0;
};

// The mould half that forms a face: the cavity draws along the pull, the core against it;
// neither when no straight pull reaches most of it.
enum class FaceSide : std::uint8_t { Cavity, Core, Neither };

// How one face meets the mould, for a view to colour it.
struct FaceMould {
    FaceSide side = FaceSide::Neither;
    // Part of the face no half reaches (the undercut rule's measure).
    bool undercut = false;
};

// A checked solid as the checker meshed it, so that a view draws the faces the findings name.
struct SolidMesh {
    std::uint32_t solid = 1;
    // Its faces are numbered firstFace + 1, firstFace + 2, ... in the report.
    std::uint32_t firstFace = 0;
    std::vector<Point> vertices;  // in the document's length unit
    std::vector<std::array<std::uint32_t, 3>> triangles;
    // Per triangle, the report's number of its face.
    std::vector<std::uint32_t> triangleFaces;
    // Per face of the solid, from firstFace + 1 on.
    std::vector<FaceMould> faces;
};

// When a check fails: a finding of this severity or above, or more findings than this.
struct FailureBounds {
    int severity = 3;
    std::optional<std::size_t> maxFindings;
};

struct CheckReport {
    std::string part;
    std::string units;    // the document's, e.g. "mm, deg"
    Point pull{0, 0, 1};  // the unit direction the cavity draws along
    // When the checker chose the pull: every direction it tried, in the order tried.
    std::vector<PullCandidateResult> pullCandidates;
    Box size;                      // of the whole part
    std::uint32_t solidCount = 1;  // in the file, checked or not
    std::vector<SolidSummary> solids;
    // Per solid checked, every rule of the module in the document's order.
    std::vector<RuleResult> rules;
    // What loading the document or reading the part found amiss, one line each.
    std::vector<std::string> warnings;
    // Per solid checked, its mesh and mould sides (when the check was asked to keep them).
    std::vector<SolidMesh> meshes;

    // True when a finding has at least this severity.
    bool HasFinding(int severity) const;
    std::size_t FindingCount() const;
    bool Fails(const FailureBounds& bounds) const;
};

}  // namespace check
