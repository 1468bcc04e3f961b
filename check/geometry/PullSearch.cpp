#include "check/geometry/PullSearch.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "check/geometry/MouldSides.h"
#include "check/geometry/RayScene.h"
#include "check/geometry/SolidPart.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {
namespace {

// Undercut areas closer than this share of the surface are the same to the sampling.
constexpr double kSameArea = 1e-6;

// Faces turned less than this from square to the pull are walls: they say nothing of the sides.
constexpr double kFacingCosine = 0.1;

void AddUndercut(PullTrial& trial, const RayScene& scene,
                 const std::vector<SurfaceSample>& samples) {
    const MouldSplit split = MouldSides(scene, trial.candidate.direction).Classify(samples, {});
    for (const FaceSides& face : split.faces) {
        trial.undercutArea += face.unreachableArea;
    }
}

void AddFacing(PullTrial& trial, const Part& solid, const std::vector<FaceCentre>& centres) {
    const Vec3& pull = trial.candidate.direction;
    // The solid's box reaches furthest each way along the pull at one of its corners.
    const auto [low, high] = Bounds(solid);
    const Vec3 lowAlong{low.x * pull.x, low.y * pull.y, low.z * pull.z};
    const Vec3 highAlong{high.x * pull.x, high.y * pull.y, high.z * pull.z};
    const double nearEnd = std::min(lowAlong.x, highAlong.x) + std::min(lowAlong.y, highAlong.y) +
                           std::min(lowAlong.z, highAlong.z);
    const double farEnd = std::max(lowAlong.x, highAlong.x) + std::max(lowAlong.y, highAlong.y) +
                          std::max(lowAlong.z, highAlong.z);
    for (std::size_t f = 0; f < solid.faces.size(); ++f) {
        const double along = centres[f].normal.Normalized().Dot(pull);
        const double area = solid.faces[f].area;
        const double position = centres[f].centroid.Dot(pull);
        if (along > kFacingCosine) {
            trial.facingArea += area;
            trial.facingDepth += area * (farEnd - position);
        } else if (along < -kFacingCosine) {
            trial.backingArea += area;
            trial.backingDepth += area * (position - nearEnd);
        }
    }
}

void AddSolid(std::vector<PullTrial>& trials, const Part& solid, std::size_t samples,
              unsigned threads, const std::stop_token& stop) {
    const RayScene scene(solid, threads, stop);
    const std::vector<SurfaceSample> spread = SurfaceSampler(samples).Sample(solid);
    const std::vector<FaceCentre> centres = FaceCentres(solid);
    for (PullTrial& trial : trials) {
        AddUndercut(trial, scene, spread);
        AddFacing(trial, solid, centres);
    }
}

double MeanDepth(double depth, double area) {
    return area > 0 ? depth / area : 0;
}

}  // namespace

std::vector<PullTrial> TryPulls(const Part& part, const std::vector<std::size_t>& solids,
                                const std::vector<PullCandidate>& candidates, std::size_t samples,
                                unsigned threads, std::stop_token stop) {
    std::vector<PullTrial> trials;
    trials.reserve(candidates.size());
    for (const PullCandidate& candidate : candidates) {
        trials.push_back({candidate});
    }
    for (const std::size_t s : solids) {
        // A part of one solid is tried as it was read, without a copy.
        const std::optional<Part> copied =
            part.solids.size() > 1 ? std::optional(SolidPart(part, s)) : std::nullopt;
        AddSolid(trials, copied ? *copied : part, samples, threads, stop);
    }
    return trials;
}

PullTrial BestPull(const std::vector<PullTrial>& trials) {
    double surface = 0;
    for (const PullTrial& trial : trials) {
        surface = std::max(surface, trial.facingArea + trial.backingArea + trial.undercutArea);
    }
    PullTrial best = trials.front();
    for (const PullTrial& trial : trials) {
        if (trial.undercutArea < best.undercutArea - kSameArea * surface) {
            best = trial;
        }
    }
    if (MeanDepth(best.facingDepth, best.facingArea) >
        MeanDepth(best.backingDepth, best.backingArea) + kSameArea) {
        best.candidate.direction = -best.candidate.direction;
        std::swap(best.facingArea, best.backingArea);
        std::swap(best.facingDepth, best.backingDepth);
    }
    return best;
}

}  // namespace check
