#include "check/checks/ThicknessVariationCheck.h"

#include <cmath>

#include "check/checks/RuleLimit.h"
#include "check/geometry/FaceThickness.h"
#include "check/geometry/SampleNeighbours.h"
#include "check/geometry/ThickSections.h"
#include "host/TeskTypes.h"
#include "rules/CTeskIMWTVariationRule.h"

namespace check {

ThicknessVariationCheck::ThicknessVariationCheck(CTeskRule& rule) : RuleCheck(rule) {
    const StoredParameter stored = StoredParameter::Of(rule, CTeskIMWTVariationRule::kVariation);
    m_on = stored.on && !stored.values.empty();
    m_limit = m_on ? stored.values.front() : 0.0;
}

std::vector<double> ThicknessVariationCheck::LargestChanges(CheckContext& context,
                                                            double nominal) const {
    const Part& part = context.GetPart();
    const std::vector<double>& thickness = context.Thickness();
    const std::vector<SurfaceSample>& samples = context.Samples();
    std::vector<double> largest(part.faces.size(), -1.0);
    const auto charge = [&](double a, double b, std::uint32_t thinnerFace) {
        if (std::isnan(a) || std::isnan(b) || std::min(a, b) <= 0) {
            return;
        }
        const double change = std::abs(a - b) / std::min(a, b) * 100;
        largest[thinnerFace] = std::max(largest[thinnerFace], change);
    };
    const auto faceOf = [&](std::size_t i) { return part.triangles[samples[i].triangle].face; };
    // Samples as far apart as the thicker wall are compared, up to twice the nominal wall; a
    // wall thicker than that is a thick section of its own.
    const SampleNeighbours neighbours(samples, std::isnan(nominal) ? 0.0 : 2 * nominal);
    neighbours.ForEachPair([&](std::size_t i, std::size_t j) {
        const double apart = (samples[i].point - samples[j].point).Length();
        if (apart <= neighbours.BaseReach() + std::max(thickness[i], thickness[j])) {
            charge(thickness[i], thickness[j], faceOf(thickness[i] < thickness[j] ? i : j));
        }
    });
    const FaceThickness faces(part, samples, thickness);
    for (const auto& [first, second] : FaceThickness::Meetings(part, context.Adjacency())) {
        if (faces.Measured(first) && faces.Measured(second)) {
            const double a = faces.Typical(first);
            const double b = faces.Typical(second);
            charge(a, b, a < b ? first : second);
        }
    }
    return largest;
}

RuleResult ThicknessVariationCheck::Run(CheckContext& context) const {
    if (!m_on) {
        return NotChecked("the limit is switched off");
    }
    RuleResult result = Checked("%");
    const RuleLimit limit{true, TESK_OP_LESS_EQUAL, m_limit};
    const ThickSections sections(context.GetPart(), context.Samples(), context.Thickness());
    const std::vector<double> largest = LargestChanges(context, sections.Nominal());
    for (std::uint32_t face = 0; face < largest.size(); ++face) {
        if (!limit.Meets(largest[face], context.Tolerance())) {
            result.findings.push_back(At(face, largest[face], m_limit));
        }
    }
    for (const ThickSection& section : sections.Above(1 + m_limit / 100)) {
        const double over = (section.thickest / sections.Nominal() - 1) * 100;
        if (!limit.Meets(over, context.Tolerance())) {
            result.findings.push_back(At(section.face, over, m_limit, "thick section"));
        }
    }
    return result;
}

}  // namespace check
