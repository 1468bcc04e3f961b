#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// The mould half that forms a stretch of surface: the cavity is drawn along +pull, the core
// along -pull; neither when no straight pull releases it (an undercut).
enum class MouldSide : std::uint8_t { Cavity, Core, Neither };

// The smallest draft of the part of a face one half forms, in radians against that half's pull;
// negative for a reverse draft. Only meaningful when measured.
struct HalfDraft {
    double smallest = 0;
    bool measured = false;
};

// How one face of the part meets the mould.
struct FaceSides {
    MouldSide side = MouldSide::Neither;  // the half forming most of its area
    double cavityArea = 0;
    double coreArea = 0;
    double unreachableArea = 0;
    // Each half's draft over the samples it forms and the surface's normals at the corners of
    // their triangles, so that a curved face's draft is read up to its edges.
    HalfDraft cavity;
    HalfDraft core;
    // Both halves reach it and it stands square to the pull throughout: a wall without draft.
    // Its draft is in both halves' readings.
    bool upright = false;
    // Its normals turn through square to the pull, the part facing +pull formed by the cavity
    // and the part facing -pull by the core (a ball, a lying cylinder): the parting line runs
    // across it, and neither part is drafted from there, so neither reading is measured.
    bool parted = false;

    // Less of a face than this share unreached is the sampling's edge, not an undercut.
    static constexpr double kUndercutShare = 0.01;
    bool Undercut(double faceArea) const { return unreachableArea > kUndercutShare * faceArea; }
};

// Which halves reach each sample, and what that makes of each face.
struct MouldSplit {
    static constexpr std::uint8_t kCavity = 1;
    static constexpr std::uint8_t kCore = 2;
    // Per sample, kCavity and kCore for the halves that reach it.
    std::vector<std::uint8_t> reached;
    std::vector<FaceSides> faces;
};

// Splits the part's surface into core and cavity by which half can reach each sample: the
// sample must face the half's pull (a reverse draft within kReverseDraftDegrees is still
// released by the plastic's give) and a ray from it along the pull must leave the part without
// meeting a surface that faces against it. Only the sample's own face, touched at grazing
// incidence where the ray starts (a wall drafted the wrong way), lets the ray on, so a wall
// with reverse draft belongs to the half that reaches it and shows a negative draft there.
class MouldSides {
public:
    MouldSides(const RayScene& scene, const Vec3& pull);

    // progress(done, total) is called now and then while the rays are cast.
    MouldSplit Classify(const std::vector<SurfaceSample>& samples,
                        const std::function<void(std::size_t, std::size_t)>& progress) const;

    // Whether a tool drawn from the sample along the direction reaches it.
    bool Reaches(const SurfaceSample& sample, const Vec3& direction) const;

    static constexpr double kReverseDraftDegrees = 2;
    // The rays cast for one sample: two at most, each re-cast past grazed surfaces at most
    // kMaxGrazes times.
    static constexpr int kMaxGrazes = 16;

private:
    const RayScene& m_scene;
    Vec3 m_pull;
};

}  // namespace check
