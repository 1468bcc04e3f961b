#pragma once

#include <QImage>
#include <QString>

#include "check/CheckReport.h"
#include "check/ReportLanguage.h"

// A check's report as one self-contained HTML page, for a person to open in any browser or mail
// on: the part, its units and pull, the summary, warnings, every finding with where its face is,
// the rules not checked with the reason, and the figures. A picture of the part, when given, is
// embedded as PNG data; nothing is fetched from elsewhere. Every text from the part or document
// is escaped. Its words are in the language given: the rule names as the module shows them, the
// reasons, limits, figures and summary as the text report reads them.
QString HtmlReport(const check::CheckReport& report, const QImage& picture = {},
                   const check::ReportLanguage& language = check::ReportLanguage::English());
