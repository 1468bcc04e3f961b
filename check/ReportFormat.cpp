#include "check/ReportFormat.h"

#include <fmt/format.h>

#include <nlohmann/json.hpp>

#include <algorithm>

#include "check/checks/RuleLimit.h"

namespace check {
namespace {

std::string Verdict(const RuleResult& rule) {
    if (!rule.checked) {
        return "not checked: " + rule.reason;
    }
    if (rule.findings.empty()) {
        return rule.judged ? "pass" : "reported (no limit)";
    }
    return fmt::format("{} finding(s), severity {}", rule.findings.size(), rule.severity);
}

}  // namespace

// Six decimals with the trailing zeros removed, as the documents write values.
std::string ReportNumber(double value) {
    std::string text = fmt::format("{:.6f}", SixDecimals(value));
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text += '0';
    }
    return text == "-0.0" ? "0.0" : text;
}

namespace {

// Where a face is, for a person looking for it: its surface and the centre of its area.
std::string Whereabouts(const FaceGeometry& face) {
    const Point& c = face.centroid;
    return fmt::format("{} at {}, {}, {}", face.surface.empty() ? "other" : face.surface,
                       ReportNumber(c[0]), ReportNumber(c[1]), ReportNumber(c[2]));
}

}  // namespace

std::string ReportSummary(const CheckReport& report) {
    std::size_t failing = 0;
    std::size_t checked = 0;
    for (const RuleResult& rule : report.rules) {
        checked += rule.checked ? 1 : 0;
        failing += rule.findings.empty() ? 0 : 1;
    }
    return fmt::format("{} rule(s) checked, {} with findings, {} finding(s); {} not checked",
                       checked, failing, report.FindingCount(), report.rules.size() - checked);
}

namespace {

std::string DirectionText(const Point& d) {
    return fmt::format("{}, {}, {}", ReportNumber(d[0]), ReportNumber(d[1]), ReportNumber(d[2]));
}

// The pull the checker chose and what it chose among.
std::string ChosenPullText(const CheckReport& report) {
    std::string text = fmt::format("pull: {} (the least undercut area of {} directions tried)\n",
                                   DirectionText(report.pull), report.pullCandidates.size());
    for (const PullCandidateResult& candidate : report.pullCandidates) {
        text += fmt::format("  {} ({}): undercut area {}\n", DirectionText(candidate.direction),
                            candidate.source, ReportNumber(candidate.undercutArea));
    }
    return text;
}

// One line per solid checked: how many stretches its parting line has and how long they are.
std::string PartingLineText(const CheckReport& report) {
    // The units read "mm, deg": the length unit first.
    const std::string lengthUnit = report.units.substr(0, report.units.find(','));
    std::string text;
    for (const SolidSummary& solid : report.solids) {
        const std::string whose =
            report.solidCount > 1 ? fmt::format(" of solid {}", solid.number) : "";
        text += fmt::format("parting line{}: {} line(s), {} {} in all\n", whose,
                            solid.partingLine.count, ReportNumber(solid.partingLine.length),
                            lengthUnit);
    }
    return text;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return fmt::format("{} {}", count, count == 1 ? one : many);
}

// "features: 3 holes, 2 ribs, 1 boss"; nothing on a mesh, where they are not told.
std::string FeaturesLine(const SolidSummary& solid) {
    if (!solid.features) {
        return "";
    }
    const SolidFeatures& features = *solid.features;
    return fmt::format("features: {}, {}, {}\n", Counted(features.holes.size(), "hole", "holes"),
                       Counted(features.ribs.size(), "rib", "ribs"),
                       Counted(features.bosses.size(), "boss", "bosses"));
}

}  // namespace

std::string ReportText(const CheckReport& report) {
    std::string text = fmt::format("part: {}\nunits: {}\n", report.part, report.units);
    if (!report.pullCandidates.empty()) {
        text += ChosenPullText(report);
    }
    text += PartingLineText(report);
    if (report.solidCount == 1 && !report.solids.empty()) {
        text += FeaturesLine(report.solids[0]);
    }
    std::uint32_t solid = 0;
    for (const RuleResult& rule : report.rules) {
        if (report.solidCount > 1 && rule.solid != solid) {
            solid = rule.solid;
            text += fmt::format("\nsolid {} of {}:\n", solid, report.solidCount);
            const auto summary = std::ranges::find(report.solids, solid, &SolidSummary::number);
            if (summary != report.solids.end()) {
                text += FeaturesLine(*summary);
            }
        }
        text += fmt::format("\n{}: {}\n", rule.rule, Verdict(rule));
        for (const Finding& finding : rule.findings) {
            text += fmt::format("  face {} ({}): {} {}, limit {} {}{}\n", finding.face,
                                Whereabouts(finding.geometry), ReportNumber(finding.value),
                                rule.unit, ReportNumber(finding.limit), rule.unit,
                                finding.what.empty() ? "" : " (" + finding.what + ")");
        }
        for (const Figure& figure : rule.figures) {
            text += fmt::format("  {}: {}\n", figure.name, ReportNumber(figure.value));
        }
    }
    text += "\n" + ReportSummary(report) + "\n";
    return text;
}

namespace {

using Json = nlohmann::ordered_json;

Json BoxJson(const Box& box) {
    return Json{{"low", box.low}, {"high", box.high}};
}

Json FindingJson(const Finding& finding) {
    Json item{{"face", finding.face},
              {"value", finding.value},
              {"limit", finding.limit},
              {"severity", finding.severity}};
    if (!finding.what.empty()) {
        item["limit name"] = finding.what;
    }
    item["centroid"] = finding.geometry.centroid;
    item["normal"] = finding.geometry.normal;
    item["area"] = finding.geometry.area;
    item["surface"] = finding.geometry.surface;
    return item;
}

Json RuleJson(const RuleResult& rule) {
    Json entry{{"rule", rule.rule}, {"solid", rule.solid}, {"checked", rule.checked}};
    if (!rule.checked) {
        entry["reason"] = rule.reason;
    }
    entry["severity"] = rule.severity;
    if (rule.checked) {
        entry["unit"] = rule.unit;
    }
    Json findings = Json::array();
    for (const Finding& finding : rule.findings) {
        findings.push_back(FindingJson(finding));
    }
    entry["findings"] = std::move(findings);
    if (!rule.figures.empty()) {
        Json figures = Json::object();
        for (const Figure& figure : rule.figures) {
            figures[figure.name] = figure.value;
        }
        entry["figures"] = std::move(figures);
    }
    return entry;
}

Json HoleJson(const HoleFeature& hole) {
    Json item{{"faces", hole.faces},         {"start", hole.start},
              {"direction", hole.direction}, {"diameter", hole.diameter},
              {"depth", hole.depth},         {"kind", hole.through ? "through" : "blind"}};
    if (!hole.entry.empty()) {
        item["entry"] = hole.entry;
    }
    if (hole.counterboreDiameter > 0) {
        item["counterbore"] =
            Json{{"diameter", hole.counterboreDiameter}, {"depth", hole.counterboreDepth}};
    }
    return item;
}

Json RibJson(const RibFeature& rib) {
    return Json{{"faces", rib.faces},
                {"thickness", rib.thickness},
                {"height", rib.height},
                {"root radius", rib.rootRadius},
                {"draft", rib.draft}};
}

Json BossJson(const BossFeature& boss) {
    Json item{{"faces", boss.faces},
              {"base", boss.base},
              {"foot", boss.foot},
              {"direction", boss.direction},
              {"outer diameter", boss.outerDiameter}};
    if (boss.innerDiameter > 0) {
        item["inner diameter"] = boss.innerDiameter;
    }
    item["height"] = boss.height;
    item["root radius"] = boss.rootRadius;
    item["draft"] = boss.draft;
    return item;
}

template <typename Feature>
Json ArrayOf(const std::vector<Feature>& features, Json (*item)(const Feature&)) {
    Json array = Json::array();
    for (const Feature& feature : features) {
        array.push_back(item(feature));
    }
    return array;
}

// What every JSON answer starts with: which schema it follows and which program wrote it.
Json Head(const std::optional<std::string>& part) {
    Json head{{"schema", kReportSchemaFile},
              {"schema version", kReportSchemaVersion},
              {"version", VERITOR_VERSION}};
    if (part) {
        head["part"] = *part;
    }
    return head;
}

std::string Dump(const Json& json, JsonLayout layout) {
    return (layout == JsonLayout::Indented ? json.dump(2) : json.dump()) + "\n";
}

Json PartingLineJson(const PartingLineReport& parting) {
    Json lines = Json::array();
    for (const PartingPolyline& line : parting.lines) {
        Json item{{"closed", line.closed}, {"length", line.length}, {"points", line.points}};
        if (line.cavityFace != 0) {
            item["cavity face"] = line.cavityFace;
            item["core face"] = line.coreFace;
        }
        if (line.edge != 0) {
            item["edge"] = line.edge;
        }
        lines.push_back(std::move(item));
    }
    return Json{{"count", parting.count},
                {"length", parting.length},
                {"lines", std::move(lines)},
                {"left out", parting.count - parting.lines.size()}};
}

Json SolidJson(const SolidSummary& solid) {
    Json item{{"solid", solid.number},
              {"faces", solid.faces},
              {"size", BoxJson(solid.size)},
              {"parting line", PartingLineJson(solid.partingLine)}};
    if (solid.features) {
        item["features"] = Json{{"holes", ArrayOf(solid.features->holes, HoleJson)},
                                {"ribs", ArrayOf(solid.features->ribs, RibJson)},
                                {"bosses", ArrayOf(solid.features->bosses, BossJson)}};
    }
    return item;
}

}  // namespace

std::string ReportJson(const CheckReport& report, JsonLayout layout) {
    Json root = Head(report.part);
    root["units"] = report.units;
    root["pull"] = report.pull;
    if (!report.pullCandidates.empty()) {
        Json candidates = Json::array();
        for (const PullCandidateResult& candidate : report.pullCandidates) {
            candidates.push_back(Json{{"direction", candidate.direction},
                                      {"from", candidate.source},
                                      {"undercut area", candidate.undercutArea}});
        }
        root["pull candidates"] = std::move(candidates);
    }
    root["size"] = BoxJson(report.size);
    root["solid count"] = report.solidCount;
    Json solids = Json::array();
    for (const SolidSummary& solid : report.solids) {
        solids.push_back(SolidJson(solid));
    }
    root["solids"] = std::move(solids);
    root["warnings"] = report.warnings;
    Json rules = Json::array();
    for (const RuleResult& rule : report.rules) {
        rules.push_back(RuleJson(rule));
    }
    root["rules"] = std::move(rules);
    return Dump(root, layout);
}

std::string RefusalJson(const std::optional<std::string>& part, const std::string& message,
                        JsonLayout layout) {
    Json root = Head(part);
    root["error"] = message;
    return Dump(root, layout);
}

}  // namespace check
