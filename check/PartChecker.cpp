#include "check/PartChecker.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "check/CheckCancelled.h"
#include "check/CheckError.h"
#include "check/ReportFeatures.h"
#include "check/ReportMesh.h"
#include "check/ReportPartingLine.h"
#include "check/checks/RuleCheck.h"
#include "check/geometry/IsolatedPartReader.h"
#include "check/geometry/PullSearch.h"
#include "check/geometry/SolidPart.h"

namespace check {
namespace {

// The shares of the whole check: reading the part, then its solids in equal parts. Within the
// reading, the reader's reading of the file is told as it goes; what it makes of it after is not.
constexpr double kReadingShare = 0.1;
constexpr double kFileShare = 0.5;
// The shares of one solid: its ray scene and samples, the rays its measurements cast, and its
// rules one by one (most of them measure from what the rays found).
constexpr double kPreparingShare = 0.1;
constexpr double kRaysShare = 0.7;
constexpr double kRulesShare = 0.2;

const char* SurfaceName(SurfaceKind kind) {
    switch (kind) {
        case SurfaceKind::Plane:
            return "plane";
        case SurfaceKind::Cylinder:
            return "cylinder";
        case SurfaceKind::Cone:
            return "cone";
        case SurfaceKind::Sphere:
            return "sphere";
        case SurfaceKind::Torus:
            return "torus";
        case SurfaceKind::Other:
            break;
    }
    return "other";
}

Point InUnits(const Vec3& v, const DocumentUnits& units) {
    return {units.LengthFromMillimetres(v.x), units.LengthFromMillimetres(v.y),
            units.LengthFromMillimetres(v.z)};
}

Box BoxOf(const Part& part, const DocumentUnits& units) {
    const auto [low, high] = Bounds(part);
    return {InUnits(low, units), InUnits(high, units)};
}

// The solids to check, from 0: the chosen one or every one.
std::vector<std::size_t> SolidsToCheck(const Part& part, std::optional<std::uint32_t> chosen) {
    if (chosen) {
        if (*chosen < 1 || *chosen > part.solids.size()) {
            throw CheckError(fmt::format("{}: has {} solid(s), no solid {}", part.name,
                                         part.solids.size(), *chosen));
        }
        return {*chosen - 1};
    }
    std::vector<std::size_t> all(part.solids.size());
    for (std::size_t s = 0; s < all.size(); ++s) {
        all[s] = s;
    }
    return all;
}

std::vector<std::string> SolidWarnings(const Part& part) {
    std::vector<std::string> warnings = part.warnings;
    for (std::size_t s = 0; s < part.solids.size(); ++s) {
        if (part.solids[s].openEdges > 0) {
            warnings.push_back(fmt::format(
                "solid {} is not closed ({} edge(s) with a face on one side only): its walls and "
                "undercuts near them are doubtful",
                s + 1, part.solids[s].openEdges));
        }
    }
    return warnings;
}

void ThrowIfStopped(const std::stop_token& stop) {
    if (stop.stop_requested()) {
        throw CheckCancelled();
    }
}

}  // namespace

PartChecker::PartChecker(CheckOptions options) : m_options(std::move(options)) {}

CheckReport PartChecker::Check(const std::filesystem::path& partPath,
                               const std::filesystem::path& ruleDocument) const {
    return Check(partPath, *RuleSet::Load(ruleDocument));
}

CheckReport PartChecker::Check(const std::filesystem::path& partPath, std::string_view documentText,
                               const std::filesystem::path& documentName) const {
    return Check(partPath, *RuleSet::Parse(documentText, documentName));
}

CheckReport PartChecker::Check(const std::filesystem::path& partPath, const RuleSet& rules) const {
    const Vec3 pull{m_options.pull[0], m_options.pull[1], m_options.pull[2]};
    if (!(pull.Length() > 0) || !std::isfinite(pull.Length())) {
        throw CheckError("the pull direction has no length");
    }
    const DocumentUnits& units = rules.Units();
    // Rises only: the phases' estimates of their own shares may not meet exactly.
    double told = 0;
    const auto tell = [&](double done) {
        told = std::max(told, done);
        if (m_options.progress) {
            m_options.progress(told);
        }
    };
    tell(0);
    IsolatedPartReader::Limits limits;
    limits.reading.maxTriangles = m_options.maxTriangles;
    const double stlUnit =
        DocumentUnits::MillimetresPer(m_options.partUnit.value_or(units.Linear()));
    const Part part =
        IsolatedPartReader(stlUnit, limits).Read(partPath, m_options.stop, [&](double fileRead) {
            tell(kReadingShare * kFileShare * fileRead);
        });
    const std::vector<std::size_t> chosen = SolidsToCheck(part, m_options.solid);
    tell(kReadingShare);

    CheckReport report;
    report.part = partPath.string();
    report.units = units.LengthName() + ", " + units.AngleName();
    const Vec3 along = PullFor(part, chosen, units, report);
    report.pull = {along.x, along.y, along.z};
    report.size = BoxOf(part, units);
    report.solidCount = static_cast<std::uint32_t>(part.solids.size());
    report.warnings = rules.Warnings();
    for (std::string& warning : SolidWarnings(part)) {
        report.warnings.push_back(std::move(warning));
    }
    for (std::size_t n = 0; n < chosen.size(); ++n) {
        const std::size_t s = chosen[n];
        // A part of one solid is checked as it was read, without a copy.
        const std::optional<Part> copied =
            part.solids.size() > 1 ? std::optional(SolidPart(part, s)) : std::nullopt;
        const Part& solid = copied ? *copied : part;
        const auto progress = [&](double done) {
            tell(kReadingShare + (1 - kReadingShare) * (static_cast<double>(n) + done) /
                                     static_cast<double>(chosen.size()));
        };
        CheckSolid(solid, static_cast<std::uint32_t>(s + 1), part.solids[s].firstFace, rules, along,
                   progress, report);
    }
    tell(1);
    return report;
}

void PartChecker::CheckSolid(const Part& solid, std::uint32_t number, std::uint32_t firstFace,
                             const RuleSet& rules, const Vec3& pull,
                             const std::function<void(double)>& progress,
                             CheckReport& report) const {
    const DocumentUnits& units = rules.Units();
    // The ray scene and the measurements are let go before the report's mesh is made, so that
    // the two are never held together.
    std::vector<FaceSides> sides;
    {
        ThrowIfStopped(m_options.stop);
        const RayScene scene(solid, m_options.threads, m_options.stop);
        ThrowIfStopped(m_options.stop);
        std::vector<SurfaceSample> samples = SurfaceSampler(m_options.samples).Sample(solid);
        const std::size_t ruleCount = rules.Checks().size();
        std::size_t rulesDone = 0;
        double raysDone = 0;
        const auto tell = [&] {
            progress(kPreparingShare + kRaysShare * raysDone +
                     kRulesShare * static_cast<double>(rulesDone) /
                         static_cast<double>(std::max<std::size_t>(ruleCount, 1)));
        };
        tell();
        CheckContext context(solid, scene, std::move(samples), pull, units, [&](double done) {
            raysDone = std::max(raysDone, done);
            tell();
        });
        const std::size_t summary = report.solids.size();
        report.solids.push_back({number,
                                 solid.faces.size(),
                                 BoxOf(solid, units),
                                 {},
                                 ReportFeatures(solid, firstFace, units)});
        const std::vector<FaceCentre> centres = FaceCentres(solid);
        for (const std::unique_ptr<RuleCheck>& check : rules.Checks()) {
            ThrowIfStopped(m_options.stop);
            RuleResult result = check->Run(context);
            ++rulesDone;
            tell();
            result.solid = number;
            for (Finding& finding : result.findings) {
                const std::size_t face = finding.face - 1;
                finding.geometry = {
                    InUnits(centres[face].centroid, units),
                    Point{centres[face].normal.x, centres[face].normal.y, centres[face].normal.z},
                    units.AreaFromSquareMillimetres(solid.faces[face].area),
                    SurfaceName(solid.faces[face].surface)};
                finding.face += firstFace;
            }
            report.rules.push_back(std::move(result));
        }
        ThrowIfStopped(m_options.stop);
        report.solids[summary].partingLine =
            ReportPartingLine(solid, context.Adjacency(), context.Sides(), pull, firstFace, units);
        if (m_options.keepMeshes) {
            sides = context.Sides();
        }
    }
    if (m_options.keepMeshes) {
        report.meshes.push_back(ReportMesh(solid, number, firstFace, sides, units));
    }
}

Vec3 PartChecker::PullFor(const Part& part, const std::vector<std::size_t>& solids,
                          const DocumentUnits& units, CheckReport& report) const {
    const Vec3 given{m_options.pull[0], m_options.pull[1], m_options.pull[2]};
    if (!m_options.findPull) {
        return given.Normalized();
    }
    // Candidates from the solid checked alone, or from the whole part.
    const std::optional<Part> one = solids.size() == 1 && part.solids.size() > 1
                                        ? std::optional(SolidPart(part, solids[0]))
                                        : std::nullopt;
    const std::uint32_t firstFace = one ? part.solids[solids[0]].firstFace : 0;
    const std::vector<PullTrial> trials =
        TryPulls(part, solids, PullCandidates(one ? *one : part, firstFace), m_options.samples,
                 m_options.threads, m_options.stop);
    ThrowIfStopped(m_options.stop);
    for (const PullTrial& trial : trials) {
        const Vec3& d = trial.candidate.direction;
        report.pullCandidates.push_back({Point{d.x, d.y, d.z}, trial.candidate.source,
                                         units.AreaFromSquareMillimetres(trial.undercutArea)});
    }
    return BestPull(trials).candidate.direction;
}

}  // namespace check
