#include "check/ReportFormat.h"

#include <fmt/format.h>

#include <nlohmann/json.hpp>

#include <algorithm>

#include "check/checks/RuleLimit.h"
#include "document/UnitCodes.h"

namespace check {
namespace {

// The report's formats in the language libraries.
constexpr UINT IDS_PART = 2500;
constexpr UINT IDS_UNITS = 2501;
constexpr UINT IDS_CHOSEN_PULL = 2502;
constexpr UINT IDS_PULL_CANDIDATE = 2503;
constexpr UINT IDS_SOLID = 2504;
constexpr UINT IDS_NOT_CHECKED = 2505;
constexpr UINT IDS_PASS = 2506;
constexpr UINT IDS_NO_LIMIT = 2507;
constexpr UINT IDS_FINDINGS = 2508;
constexpr UINT IDS_FINDING = 2509;
constexpr UINT IDS_WHEREABOUTS = 2510;
constexpr UINT IDS_SUMMARY = 2511;
constexpr UINT IDS_NAMED = 2512;
constexpr UINT IDS_LIMIT_NAME = 2513;
constexpr UINT IDS_PARTING_LINE = 2514;
constexpr UINT IDS_SOLID_PARTING_LINE = 2515;
constexpr UINT IDS_FEATURES = 2516;

std::string Verdict(const RuleResult& rule, const ReportLanguage& language) {
    if (!rule.checked) {
        return language.Format(IDS_NOT_CHECKED, {language.Translated(rule.reason)});
    }
    if (rule.findings.empty()) {
        return language.Format(rule.judged ? IDS_PASS : IDS_NO_LIMIT, {});
    }
    return language.Format(IDS_FINDINGS,
                           {std::to_string(rule.findings.size()), std::to_string(rule.severity)});
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
std::string Whereabouts(const FaceGeometry& face, const ReportLanguage& language) {
    const Point& c = face.centroid;
    return language.Format(
        IDS_WHEREABOUTS,
        {language.Translated(face.surface.empty() ? "other" : face.surface),
         fmt::format("{}, {}, {}", ReportNumber(c[0]), ReportNumber(c[1]), ReportNumber(c[2]))});
}

// "um, deg" as a person reads it: "µm, deg".
std::string UnitsForPeople(const std::string& units) {
    std::string shown;
    std::size_t start = 0;
    while (start <= units.size()) {
        const std::size_t comma = std::min(units.find(", ", start), units.size());
        shown += UnitForPeople(units.substr(start, comma - start));
        if (comma < units.size()) {
            shown += ", ";
        }
        start = comma + 2;
    }
    return shown;
}

}  // namespace

std::string ReportSummary(const CheckReport& report) {
    return ReportSummary(report, ReportLanguage::English());
}

std::string ReportSummary(const CheckReport& report, const ReportLanguage& language) {
    std::size_t failing = 0;
    std::size_t checked = 0;
    for (const RuleResult& rule : report.rules) {
        checked += rule.checked ? 1 : 0;
        failing += rule.findings.empty() ? 0 : 1;
    }
    return language.Format(IDS_SUMMARY, {std::to_string(checked), std::to_string(failing),
                                         std::to_string(report.FindingCount()),
                                         std::to_string(report.rules.size() - checked)});
}

namespace {

std::string DirectionText(const Point& d) {
    return fmt::format("{}, {}, {}", ReportNumber(d[0]), ReportNumber(d[1]), ReportNumber(d[2]));
}

// The pull the checker chose and what it chose among.
std::string ChosenPullText(const CheckReport& report, const ReportLanguage& language) {
    std::string text =
        language.Format(IDS_CHOSEN_PULL, {DirectionText(report.pull),
                                          std::to_string(report.pullCandidates.size())}) +
        "\n";
    for (const PullCandidateResult& candidate : report.pullCandidates) {
        text += "  " +
                language.Format(IDS_PULL_CANDIDATE, {DirectionText(candidate.direction),
                                                     language.Translated(candidate.source),
                                                     ReportNumber(candidate.undercutArea)}) +
                "\n";
    }
    return text;
}

// One line per solid checked: how many stretches its parting line has and how long they are.
std::string PartingLineText(const CheckReport& report, const ReportLanguage& language) {
    // The units read "mm, deg": the length unit first.
    const std::string lengthUnit = UnitForPeople(report.units.substr(0, report.units.find(',')));
    std::string text;
    for (const SolidSummary& solid : report.solids) {
        const std::string count = std::to_string(solid.partingLine.count);
        const std::string length = ReportNumber(solid.partingLine.length);
        text += (report.solidCount > 1
                     ? language.Format(IDS_SOLID_PARTING_LINE,
                                       {std::to_string(solid.number), count, length, lengthUnit})
                     : language.Format(IDS_PARTING_LINE, {count, length, lengthUnit})) +
                "\n";
    }
    return text;
}

// "features: 3 hole(s), 2 rib(s), 1 boss(es)"; nothing on a mesh, where they are not told.
std::string FeaturesLine(const SolidSummary& solid, const ReportLanguage& language) {
    if (!solid.features) {
        return "";
    }
    const SolidFeatures& features = *solid.features;
    return language.Format(IDS_FEATURES, {std::to_string(features.holes.size()),
                                          std::to_string(features.ribs.size()),
                                          std::to_string(features.bosses.size())}) +
           "\n";
}

std::string FindingLine(const RuleResult& rule, const Finding& finding,
                        const ReportLanguage& language) {
    const std::string unit = UnitForPeople(rule.unit);
    const std::string limitName =
        finding.what.empty() ? std::string()
                             : language.Format(IDS_LIMIT_NAME, {language.Translated(finding.what)});
    return "  " +
           language.Format(
               IDS_FINDING,
               {std::to_string(finding.face), Whereabouts(finding.geometry, language),
                ReportNumber(finding.value), unit, ReportNumber(finding.limit), unit, limitName}) +
           "\n";
}

}  // namespace

std::string ReportText(const CheckReport& report) {
    return ReportText(report, ReportLanguage::English());
}

std::string ReportText(const CheckReport& report, const ReportLanguage& language) {
    std::string text = language.Format(IDS_PART, {report.part}) + "\n" +
                       language.Format(IDS_UNITS, {UnitsForPeople(report.units)}) + "\n";
    if (!report.pullCandidates.empty()) {
        text += ChosenPullText(report, language);
    }
    text += PartingLineText(report, language);
    if (report.solidCount == 1 && !report.solids.empty()) {
        text += FeaturesLine(report.solids[0], language);
    }
    std::uint32_t solid = 0;
    for (const RuleResult& rule : report.rules) {
        if (report.solidCount > 1 && rule.solid != solid) {
            solid = rule.solid;
            text += "\n" +
                    language.Format(IDS_SOLID,
                                    {std::to_string(solid), std::to_string(report.solidCount)}) +
                    "\n";
            const auto summary = std::ranges::find(report.solids, solid, &SolidSummary::number);
            if (summary != report.solids.end()) {
                text += FeaturesLine(*summary, language);
            }
        }
        text += "\n" +
                language.Format(IDS_NAMED, {language.RuleName(rule.rule, rule.shown),
                                            Verdict(rule, language)}) +
                "\n";
        for (const Finding& finding : rule.findings) {
            text += FindingLine(rule, finding, language);
        }
        for (const Figure& figure : rule.figures) {
            text += "  " +
                    language.Format(
                        IDS_NAMED, {language.Translated(figure.name), ReportNumber(figure.value)}) +
                    "\n";
        }
    }
    text += "\n" + ReportSummary(report, language) + "\n";
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
