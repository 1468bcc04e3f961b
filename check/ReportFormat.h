#pragma once

#include <string>

#include "check/CheckReport.h"

namespace check {

// The report as people read it: per rule, pass or its findings, then a summary line.
std::string ReportText(const CheckReport& report);

// The report as one JSON object: part, units and per rule its name, whether it was checked,
// the reason when not, its findings (face, value, limit, severity) and figures.
std::string ReportJson(const CheckReport& report);

}  // namespace check
