#pragma once

#include <optional>
#include <string>

#include "check/CheckReport.h"
#include "check/ReportLanguage.h"

namespace check {

// The report as people read it: per rule, pass or its findings, then a summary line; in
// English unless another language is given.
std::string ReportText(const CheckReport& report);
std::string ReportText(const CheckReport& report, const ReportLanguage& language);

// "7 rule(s) checked, 2 with findings, 10 finding(s); 6 not checked": the text report's last
// line, without its line end.
std::string ReportSummary(const CheckReport& report);
std::string ReportSummary(const CheckReport& report, const ReportLanguage& language);

// A measured value or limit as the reports write it: six decimals, trailing zeros dropped.
std::string ReportNumber(double value);

// The JSON answers follow the schema in this file, installed beside the program; its version
// grows whenever a field changes meaning or goes.
inline constexpr const char* kReportSchemaFile = "veritor-check.schema.json";
inline constexpr int kReportSchemaVersion = 1;

// Indented for people, or one line (JSON Lines, one record per part).
enum class JsonLayout { Indented, OneLine };

// The report as one JSON object: the schema and program version, part, units, pull, the part's
// and each checked solid's size and parting line, warnings and per rule and solid its name, whether
// it was checked, the reason when not, its findings (face, value, limit, severity and where the
// face is) and figures; per solid with surfaces, its holes, ribs and bosses.
std::string ReportJson(const CheckReport& report, JsonLayout layout = JsonLayout::Indented);

// The JSON object for a check that could not be made: the schema, the program version, the part
// given (none for a batch's own list or document) and the one-line message.
std::string RefusalJson(const std::optional<std::string>& part, const std::string& message,
                        JsonLayout layout = JsonLayout::Indented);

}  // namespace check
