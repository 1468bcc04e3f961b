#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "check/CheckReport.h"

class RuleDocument;

namespace check {

// How to check: the pull direction, the unit of a part file that does not say (STL), the
// bounds on the work, and where to tell progress.
struct CheckOptions {
    std::array<double, 3> pull{0, 0, 1};
    // A length unit code (0 mm, 3 in, ...); by default the rule document's.
    std::optional<std::int32_t> partUnit;
    // About this many surface samples over the part (at least one per triangle).
    std::size_t samples = 20'000;
    // Parts that need more triangles are refused.
    std::size_t maxTriangles = 4'000'000;
    // Called with the share of the work done, from 0 to 1.
    std::function<void(double)> progress;
};

// Applies the rules of a rule document, loaded as the module loads them, to a part. The
// report lists every rule of the module in the document's order: its findings, or why it was
// not checked.
class PartChecker {
public:
    explicit PartChecker(CheckOptions options);

    // Throws CheckError, one line naming the file and the problem, when the part or the
    // document cannot be used.
    CheckReport Check(const std::filesystem::path& part,
                      const std::filesystem::path& ruleDocument) const;
    // The same for a rule document held in memory (an editor's unsaved text), its bytes as a
    // file would hold them; messages name it by documentName.
    CheckReport Check(const std::filesystem::path& part, std::string_view documentText,
                      const std::filesystem::path& documentName) const;

private:
    CheckReport CheckDocument(const std::filesystem::path& part, RuleDocument& document) const;

    CheckOptions m_options;
};

}  // namespace check
