#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <vector>

#include "check/CheckReport.h"

// What the faces of a checked part are coloured by: their findings, or the mould half forming
// each.
enum class ColourBy { Findings, MouldSides };

struct LegendEntry {
    QString name;
    QColor colour;
};

// The colour of every face of a checked part, by the report's face numbers: the severity of its
// worst finding, "passes", or "not reached by either half"; or, by mould sides, the core and
// cavity tints.
class FaceColours {
    Q_DECLARE_TR_FUNCTIONS(FaceColours)

public:
    static constexpr int kSeverities = 5;

    FaceColours(const std::vector<check::RuleResult>& rules,
                const std::vector<check::SolidMesh>& meshes);

    QColor Colour(std::uint32_t face, ColourBy by) const;
    // 0 for a face without findings.
    int WorstSeverity(std::uint32_t face) const;
    bool Undercut(std::uint32_t face) const;
    static std::vector<LegendEntry> Legend(ColourBy by);
    // The outline drawn round undercut faces.
    static QColor UndercutOutline();
    // The line drawn where the core side meets the cavity side, with the halves' tints.
    static QColor PartingLine();

private:
    struct FaceState {
        int worst = 0;
        check::FaceMould mould;
    };

    const FaceState* State(std::uint32_t face) const;

    std::vector<FaceState> m_faces;  // by face number, from 1
};
