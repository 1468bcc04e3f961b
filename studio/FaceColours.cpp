#include "studio/FaceColours.h"

#include <algorithm>
#include <array>

namespace {

// Very low to very high: cool to hot, so that the eye finds the worst first.
const std::array<QColor, FaceColours::kSeverities> kSeverityColours{
    QColor(90, 160, 230), QColor(240, 220, 60), QColor(250, 150, 40), QColor(225, 50, 40),
    QColor(150, 20, 110)};
const std::array<const char*, FaceColours::kSeverities> kSeverityNames{
    QT_TRANSLATE_NOOP("FaceColours", "Very low"), QT_TRANSLATE_NOOP("FaceColours", "Low"),
    QT_TRANSLATE_NOOP("FaceColours", "Medium"), QT_TRANSLATE_NOOP("FaceColours", "High"),
    QT_TRANSLATE_NOOP("FaceColours", "Very high")};
const QColor kPasses(175, 200, 175);
const QColor kNotReached(120, 120, 130);
const QColor kCavity(150, 200, 240);
const QColor kCore(240, 200, 150);

}  // namespace

FaceColours::FaceColours(const std::vector<check::RuleResult>& rules,
                         const std::vector<check::SolidMesh>& meshes) {
    std::uint32_t last = 0;
    for (const check::SolidMesh& mesh : meshes) {
        last = std::max(last, mesh.firstFace + static_cast<std::uint32_t>(mesh.faces.size()));
    }
    for (const check::RuleResult& rule : rules) {
        for (const check::Finding& finding : rule.findings) {
            last = std::max(last, finding.face);
        }
    }
    m_faces.resize(last + 1);
    for (const check::SolidMesh& mesh : meshes) {
        for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
            m_faces[mesh.firstFace + 1 + f].mould = mesh.faces[f];
        }
    }
    for (const check::RuleResult& rule : rules) {
        for (const check::Finding& finding : rule.findings) {
            int& worst = m_faces[finding.face].worst;
            worst = std::max(worst, std::clamp(finding.severity, 1, kSeverities));
        }
    }
}

const FaceColours::FaceState* FaceColours::State(std::uint32_t face) const {
    return face < m_faces.size() ? &m_faces[face] : nullptr;
}

QColor FaceColours::Colour(std::uint32_t face, ColourBy by) const {
    const FaceState* state = State(face);
    const check::FaceSide side = state ? state->mould.side : check::FaceSide::Neither;
    if (by == ColourBy::MouldSides) {
        return side == check::FaceSide::Cavity ? kCavity
               : side == check::FaceSide::Core ? kCore
                                               : kNotReached;
    }
    if (state && state->worst > 0) {
        return kSeverityColours[state->worst - 1];
    }
    return side == check::FaceSide::Neither ? kNotReached : kPasses;
}

int FaceColours::WorstSeverity(std::uint32_t face) const {
    const FaceState* state = State(face);
    return state ? state->worst : 0;
}

bool FaceColours::Undercut(std::uint32_t face) const {
    const FaceState* state = State(face);
    return state && state->mould.undercut;
}

std::vector<LegendEntry> FaceColours::Legend(ColourBy by) {
    std::vector<LegendEntry> legend;
    if (by == ColourBy::MouldSides) {
        legend = {{tr("Cavity side"), kCavity},
                  {tr("Core side"), kCore},
                  {tr("Parting line"), PartingLine()}};
    } else {
        for (int severity = kSeverities; severity >= 1; --severity) {
            legend.push_back({tr(kSeverityNames[severity - 1]), kSeverityColours[severity - 1]});
        }
        legend.push_back({tr("Passes"), kPasses});
    }
    legend.push_back({tr("Not reached by either half"), kNotReached});
    legend.push_back({tr("Undercut (outlined)"), UndercutOutline()});
    return legend;
}

QColor FaceColours::UndercutOutline() {
    return {255, 0, 255};
}

QColor FaceColours::PartingLine() {
    return {0, 150, 60};
}
