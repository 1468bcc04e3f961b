#include "studio/HtmlReport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QStringList>

#include "check/ReportFormat.h"
#include "document/UnitCodes.h"

namespace {

// The report's own words, in the studio's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(HtmlReport)
};

QString Text(const QString& words) {
    return words.toHtmlEscaped();
}

QString Heading(const QString& text) {
    return QStringLiteral("<h2>%1</h2>\n").arg(text.toHtmlEscaped());
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Number(double value) {
    return QString::fromStdString(check::ReportNumber(value));
}

QString Triple(const check::Point& point) {
    return Number(point[0]) + QStringLiteral(", ") + Number(point[1]) + QStringLiteral(", ") +
           Number(point[2]);
}

// One table row; the cells are HTML already.
QString Row(const QStringList& cells, const QString& tag = QStringLiteral("td")) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells) {
        row += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    }
    return row + QStringLiteral("</tr>\n");
}

QString Table(QStringList headers, const QStringList& rows) {
    for (QString& header : headers) {
        header = header.toHtmlEscaped();
    }
    return QStringLiteral("<table>\n") + Row(headers, QStringLiteral("th")) + rows.join(QString()) +
           QStringLiteral("</table>\n");
}

QString Measure(double value, const std::string& unit) {
    return Number(value) + u' ' + Escaped(UnitForPeople(unit));
}

QString Findings(const check::CheckReport& report, const check::ReportLanguage& language) {
    QStringList rows;
    for (const check::RuleResult& rule : report.rules) {
        for (const check::Finding& finding : rule.findings) {
            QString limit = Measure(finding.limit, rule.unit);
            if (!finding.what.empty()) {
                limit += QStringLiteral(" (") + Escaped(language.Translated(finding.what)) + u')';
            }
            rows << Row({Escaped(language.RuleName(rule.rule, rule.shown)),
                         QString::number(rule.solid), QString::number(finding.face),
                         Measure(finding.value, rule.unit), limit,
                         QString::number(finding.severity),
                         Escaped(language.Translated(finding.geometry.surface)) +
                             Text(Words::tr(" at ")) + Triple(finding.geometry.centroid)});
        }
    }
    if (rows.isEmpty()) {
        return QStringLiteral("<p>%1</p>\n").arg(Text(Words::tr("No findings.")));
    }
    return Table({Words::tr("Rule"), Words::tr("Solid"), Words::tr("Face"), Words::tr("Value"),
                  Words::tr("Limit"), Words::tr("Severity"), Words::tr("Where")},
                 rows);
}

QString NotChecked(const check::CheckReport& report, const check::ReportLanguage& language) {
    QStringList rows;
    for (const check::RuleResult& rule : report.rules) {
        if (!rule.checked) {
            rows << Row({Escaped(language.RuleName(rule.rule, rule.shown)),
                         Escaped(language.Translated(rule.reason))});
        }
    }
    return rows.isEmpty() ? QString()
                          : Heading(Words::tr("Not checked")) +
                                Table({Words::tr("Rule"), Words::tr("Reason")}, rows);
}

QString Figures(const check::CheckReport& report, const check::ReportLanguage& language) {
    QStringList rows;
    for (const check::RuleResult& rule : report.rules) {
        for (const check::Figure& figure : rule.figures) {
            rows << Row({Escaped(language.RuleName(rule.rule, rule.shown)),
                         Escaped(language.Translated(figure.name)), Number(figure.value)});
        }
    }
    return rows.isEmpty()
               ? QString()
               : Heading(Words::tr("Figures")) +
                     Table({Words::tr("Rule"), Words::tr("Figure"), Words::tr("Value")}, rows);
}

QString Warnings(const check::CheckReport& report) {
    if (report.warnings.empty()) {
        return {};
    }
    QString list = Heading(Words::tr("Warnings")) + QStringLiteral("<ul>\n");
    for (const std::string& warning : report.warnings) {
        list += QStringLiteral("<li>") + Escaped(warning) + QStringLiteral("</li>\n");
    }
    return list + QStringLiteral("</ul>\n");
}

QString Picture(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QStringLiteral("<p><img alt=\"%1\" src=\"data:image/png;base64,%2\"></p>\n")
        .arg(Text(Words::tr("The checked part")), QString::fromLatin1(png.toBase64()));
}

const char* const kStyle =
    "body{font-family:sans-serif;margin:2em}table{border-collapse:collapse;margin-bottom:1em}"
    "th,td{border:1px solid #bbb;padding:.25em .6em;text-align:left}th{background:#eee}"
    "img{max-width:100%}";

}  // namespace

QString HtmlReport(const check::CheckReport& report, const QImage& picture,
                   const check::ReportLanguage& language) {
    const QString part = Escaped(report.part);
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n"
            "<h1>%1</h1>\n")
            .arg(Text(Words::tr("Part check: %1")).arg(part), QString::fromLatin1(kStyle));
    html += Table(
        {Words::tr("Part"), Words::tr("Units"), Words::tr("Pull"), Words::tr("Size")},
        {Row({part, Escaped(report.units), Triple(report.pull),
              Triple(report.size.low) + Text(Words::tr(" to ")) + Triple(report.size.high)})});
    html += QStringLiteral("<p><strong>") + Escaped(check::ReportSummary(report, language)) +
            QStringLiteral("</strong></p>\n");
    html += Picture(picture) + Warnings(report) + Heading(Words::tr("Findings")) +
            Findings(report, language) + NotChecked(report, language) + Figures(report, language);
    return html + QStringLiteral("</body>\n</html>\n");
}
