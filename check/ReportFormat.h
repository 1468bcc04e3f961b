#pragma once

#include <string>

#include "check/CheckReport.h"

namespace check {

// The report as people read it: per rule, pass or its findings, then a summary line.
std::string ReportText(const CheckReport& report);

// "7 rule(s) checked, 2 with findings, 10 finding(s); 6 not checked": the text report's last
// line, without its line end.
std::string ReportSummary(const CheckReport& report);

// A measured value or limit as the reports write it: six decimals, trailing zeros dropped.
std::string ReportNumber(double value);

// The report as one JSON object: part, units and per rule its name, whether it was checked,
// the reason when not, its findings (face, value, limit, severity) and figures.
std::string ReportJson(const CheckReport& report);

}  // namespace check
