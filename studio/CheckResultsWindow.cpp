#include "studio/CheckResultsWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "check/ReportFormat.h"
#include "studio/PartView.h"
#include "studio/PartViewPanel.h"

namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidget* MakeTable(const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget& table, int row, const QStringList& texts) {
    for (int column = 0; column < texts.size(); ++column) {
        table.setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

// "5.0 deg", with the limit's name when the rule has more than one: "5.0 deg (cavity side)".
QString Measure(double value, const std::string& unit, const std::string& what = {}) {
    std::string text = check::ReportNumber(value) + " " + unit;
    if (!what.empty()) {
        text += " (" + what + ")";
    }
    return ToQString(text);
}

}  // namespace

CheckResultsWindow::CheckResultsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_part(new QLabel(this)),
      m_findings(MakeTable({QStringLiteral("Rule"), QStringLiteral("Face"), QStringLiteral("Value"),
                            QStringLiteral("Limit"), QStringLiteral("Severity")},
                           this)),
      m_notChecked(MakeTable({QStringLiteral("Rule"), QStringLiteral("Reason")}, this)),
      m_figures(new QLabel(this)),
      m_summary(new QLabel(this)),
      m_partView(new PartViewPanel(this)) {
    auto* splitter = new QSplitter(this);
    auto* lists = new QWidget(splitter);
    splitter->addWidget(lists);
    splitter->addWidget(m_partView);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    (new QVBoxLayout(this))->addWidget(splitter);
    auto* layout = new QVBoxLayout(lists);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_part);
    layout->addWidget(new QLabel(QStringLiteral("Findings:"), this));
    layout->addWidget(m_findings, 3);
    layout->addWidget(new QLabel(QStringLiteral("Not checked:"), this));
    layout->addWidget(m_notChecked, 1);
    layout->addWidget(m_figures);
    layout->addWidget(m_summary);
    m_findings->setColumnWidth(Rule, 240);
    m_findings->setColumnWidth(Value, 140);
    m_findings->setColumnWidth(Limit, 200);
    m_notChecked->setColumnWidth(NotCheckedRule, 240);
    connect(m_findings, &QTableWidget::itemSelectionChanged, this,
            &CheckResultsWindow::ShowRowsFace);
    connect(&m_partView->View(), &PartView::FaceClicked, this, &CheckResultsWindow::SelectRowsOf);
    resize(1500, 620);
}

void CheckResultsWindow::Show(const check::CheckReport& report) {
    setWindowTitle(QStringLiteral("Check Results - %1").arg(ToQString(report.part)));
    m_part->setText(QStringLiteral("Part: %1    Units: %2")
                        .arg(ToQString(report.part), ToQString(report.units)));
    ShowFindings(report);
    ShowNotChecked(report);
    ShowFigures(report);
    m_summary->setText(ToQString(check::ReportSummary(report)));
    m_partView->Show(report);
}

void CheckResultsWindow::ShowRowsFace() {
    if (m_followingView) {
        return;
    }
    const QList<QTableWidgetItem*> selected = m_findings->selectedItems();
    m_partView->View().SelectFace(
        selected.isEmpty() ? 0 : m_findings->item(selected.front()->row(), Face)->text().toUInt());
}

void CheckResultsWindow::SelectRowsOf(std::uint32_t face) {
    m_followingView = true;
    m_findings->clearSelection();
    const QString number = QString::number(face);
    for (int row = 0; row < m_findings->rowCount(); ++row) {
        if (m_findings->item(row, Face)->text() == number) {
            m_findings->selectionModel()->select(
                m_findings->model()->index(row, Face),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
            m_findings->scrollToItem(m_findings->item(row, Face));
        }
    }
    m_followingView = false;
}

void CheckResultsWindow::ShowFindings(const check::CheckReport& report) {
    m_findings->setRowCount(static_cast<int>(report.FindingCount()));
    int row = 0;
    for (const check::RuleResult& rule : report.rules) {
        for (const check::Finding& finding : rule.findings) {
            SetRow(
                *m_findings, row++,
                {ToQString(rule.rule), QString::number(finding.face),
                 Measure(finding.value, rule.unit), Measure(finding.limit, rule.unit, finding.what),
                 QString::number(finding.severity)});
        }
    }
}

void CheckResultsWindow::ShowNotChecked(const check::CheckReport& report) {
    m_notChecked->setRowCount(0);
    for (const check::RuleResult& rule : report.rules) {
        if (!rule.checked) {
            const int row = m_notChecked->rowCount();
            m_notChecked->insertRow(row);
            SetRow(*m_notChecked, row, {ToQString(rule.rule), ToQString(rule.reason)});
        }
    }
}

void CheckResultsWindow::ShowFigures(const check::CheckReport& report) {
    QStringList lines;
    for (const check::RuleResult& rule : report.rules) {
        QStringList figures;
        for (const check::Figure& figure : rule.figures) {
            figures << ToQString(figure.name + ": " + check::ReportNumber(figure.value));
        }
        if (!figures.isEmpty()) {
            lines << ToQString(rule.rule) + QStringLiteral(": ") +
                         figures.join(QStringLiteral("; "));
        }
    }
    m_figures->setText(lines.join(u'\n'));
    m_figures->setVisible(!lines.isEmpty());
}
