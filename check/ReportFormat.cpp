#include "check/ReportFormat.h"

#include <fmt/format.h>

#include <nlohmann/json.hpp>

#include "check/checks/RuleLimit.h"

namespace check {
namespace {

std::string Verdict(const RuleResult& rule) {
    if (!rule.checked) {
        return "not checked: " + rule.reason;
    }
    if (rule.findings.empty()) {
        return rule.figures.empty() ? "pass" : "reported (no limit)";
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

std::string ReportText(const CheckReport& report) {
    std::string text = fmt::format("part: {}\nunits: {}\n", report.part, report.units);
    for (const RuleResult& rule : report.rules) {
        text += fmt::format("\n{}: {}\n", rule.rule, Verdict(rule));
        for (const Finding& finding : rule.findings) {
            text += fmt::format("  face {}: {} {}, limit {} {}{}\n", finding.face,
                                ReportNumber(finding.value), rule.unit, ReportNumber(finding.limit),
                                rule.unit, finding.what.empty() ? "" : " (" + finding.what + ")");
        }
        for (const Figure& figure : rule.figures) {
            text += fmt::format("  {}: {}\n", figure.name, ReportNumber(figure.value));
        }
    }
    text += "\n" + ReportSummary(report) + "\n";
    return text;
}

std::string ReportJson(const CheckReport& report) {
    nlohmann::ordered_json rules = nlohmann::ordered_json::array();
    for (const RuleResult& rule : report.rules) {
        nlohmann::ordered_json entry{{"rule", rule.rule}, {"checked", rule.checked}};
        if (!rule.checked) {
            entry["reason"] = rule.reason;
        }
        entry["severity"] = rule.severity;
        if (rule.checked) {
            entry["unit"] = rule.unit;
        }
        nlohmann::ordered_json findings = nlohmann::ordered_json::array();
        for (const Finding& finding : rule.findings) {
            nlohmann::ordered_json item{{"face", finding.face},
                                        {"value", finding.value},
                                        {"limit", finding.limit},
                                        {"severity", finding.severity}};
            if (!finding.what.empty()) {
                item["limit name"] = finding.what;
            }
            findings.push_back(std::move(item));
        }
        entry["findings"] = std::move(findings);
        if (!rule.figures.empty()) {
            nlohmann::ordered_json figures = nlohmann::ordered_json::object();
            for (const Figure& figure : rule.figures) {
                figures[figure.name] = figure.value;
            }
            entry["figures"] = std::move(figures);
        }
        rules.push_back(std::move(entry));
    }
    const nlohmann::ordered_json root{
        {"part", report.part}, {"units", report.units}, {"rules", std::move(rules)}};
    return root.dump(2) + "\n";
}

}  // namespace check
