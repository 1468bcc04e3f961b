#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string_view>
#include <vector>

#include "check/CheckReport.h"
#include "check/RuleSet.h"
#include "check/geometry/Vec3.h"

namespace check {

struct Part;

// How to check: the pull direction, the unit of a part file that does not say (STL), the
// solid to check, the bounds on the work, and where to tell progress.
struct CheckOptions {
    std::array<double, 3> pull{0, 0, 1};
    // Choose the pull instead: the candidate direction with the least undercut area.
    bool findPull = false;
    // A length unit code (0 mm, 3 in, ...); by default the rule document's.
    std::optional<std::int32_t> partUnit;
    // The solid to check, from 1 in the file's order; by default every solid, one by one.
    std::optional<std::uint32_t> solid;
    // At most this many surface samples on each solid.
    std::size_t samples = 20'000;
    // Parts that need more triangles are refused.
    std::size_t maxTriangles = 4'000'000;
    // Threads that cast the rays; 0 for one per core.
    unsigned threads = 0;
    // Keep each solid's mesh and mould sides in the report, for a view of the part.
    bool keepMeshes = true;
    // Called with the share of the work done, rising from 0 to 1, on the checking thread: the
    // reading, each solid's preparation, its rays and its rules each advance it.
    std::function<void(double)> progress;
    // A stop requested here ends the check within a second or so with CheckCancelled; the
    // reader, if still reading, is killed.
    std::stop_token stop;
};

// Applies the rules of a rule document, loaded as the module loads them, to a part, one solid
// at a time: each solid's rays meet that solid alone. The report lists, per solid checked,
// every rule of the module in the document's order: its findings, or why it was not checked.
class PartChecker {
public:
    explicit PartChecker(CheckOptions options);

    // Throws CheckError, one line naming the file and the problem, when the part or the
    // document cannot be used, and CheckCancelled when asked to stop.
    CheckReport Check(const std::filesystem::path& part,
                      const std::filesystem::path& ruleDocument) const;
    // The same for a rule document held in memory (an editor's unsaved text), its bytes as a
    // file would hold them; messages name it by documentName.
    CheckReport Check(const std::filesystem::path& part, std::string_view documentText,
                      const std::filesystem::path& documentName) const;
    // The same against a document read before; one RuleSet serves checks on several threads.
    CheckReport Check(const std::filesystem::path& part, const RuleSet& rules) const;

private:
    // Appends the solid's rules to the report, its findings naming faces in the file's order.
    void CheckSolid(const Part& solid, std::uint32_t number, std::uint32_t firstFace,
                    const RuleSet& rules, const Vec3& pull,
                    const std::function<void(double)>& progress, CheckReport& report) const;
    // The pull to check along: the one given, or the best of the candidates, which the report
    // then lists.
    Vec3 PullFor(const Part& part, const std::vector<std::size_t>& solids,
                 const DocumentUnits& units, CheckReport& report) const;

    CheckOptions m_options;
};

}  // namespace check
