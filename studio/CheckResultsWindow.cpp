#include "studio/CheckResultsWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "check/ReportFormat.h"
#include "document/UnitCodes.h"
#include "studio/FacePull.h"
#include "studio/PartView.h"
#include "studio/PartViewPanel.h"
#include "studio/ReportFile.h"

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

// "X,Y,Z" as the Check Part dialog reads it, without the noise of a fitted direction.
QString PullText(const check::Point& pull) {
    QStringList parts;
    for (const double coordinate : pull) {
        const double rounded = std::round(coordinate * 1e6) / 1e6;
        parts << QString::number(rounded == 0 ? 0.0 : rounded, 'g', 6);
    }
    return parts.join(QLatin1Char(','));
}

// The coloured part as an HTML report shows it.
const QSize kReportPictureSize(960, 720);

// The findings shown at once before the table scrolls; every rule not checked is shown.
constexpr int kFindingRowsShown = 12;

// The height that shows this many rows of the table without scrolling.
int HeightForRows(const QTableWidget& table, int rows) {
    return table.horizontalHeader()->sizeHint().height() +
           rows * table.verticalHeader()->defaultSectionSize() +
           table.horizontalScrollBar()->sizeHint().height() + 2 * table.frameWidth();
}

// "5.0 deg", with the limit's name when the rule has more than one: "5.0 deg (cavity side)".
QString Measure(double value, const std::string& unit, const std::string& what = {},
                const check::ReportLanguage& language = check::ReportLanguage::English()) {
    std::string text = check::ReportNumber(value) + " " + UnitForPeople(unit);
    if (!what.empty()) {
        text += " (" + language.Translated(what) + ")";
    }
    return ToQString(text);
}

}  // namespace

CheckResultsWindow::CheckResultsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_part(new QLabel(this)),
      m_findings(
          MakeTable({tr("Rule"), tr("Face"), tr("Value"), tr("Limit"), tr("Severity")}, this)),
      m_notChecked(MakeTable({tr("Rule"), tr("Reason")}, this)),
      m_figures(new QLabel(this)),
      m_summary(new QLabel(this)),
      m_partView(new PartViewPanel(this)),
      m_pickPull(new QPushButton(tr("&Pick Pull..."), this)) {
    auto* splitter = new QSplitter(this);
    auto* lists = new QWidget(splitter);
    splitter->addWidget(lists);
    splitter->addWidget(m_partView);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    (new QVBoxLayout(this))->addWidget(splitter);
    auto* layout = new QVBoxLayout(lists);
    m_lists = layout;
    // Long texts wrap rather than widen the window past the screen.
    for (QLabel* label : {m_part, m_figures, m_summary}) {
        label->setWordWrap(true);
    }
    m_figures->setObjectName(QStringLiteral("figures"));
    m_summary->setObjectName(QStringLiteral("summary"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_part);
    layout->addWidget(new QLabel(tr("Findings:"), this));
    layout->addWidget(m_findings, 3);
    layout->addWidget(new QLabel(tr("Not checked:"), this));
    layout->addWidget(m_notChecked, 1);
    layout->addWidget(m_figures);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    m_pickPull->setObjectName(QStringLiteral("pickPull"));
    m_pickPull->setCheckable(true);
    m_pickPull->setToolTip(
        tr("Click a face in the view: its normal, or the axis of a round face, "
           "becomes the pull to check the part with again"));
    bottom->addWidget(m_pickPull);
    auto* save = new QPushButton(tr("&Save Report..."), this);
    save->setObjectName(QStringLiteral("saveReport"));
    connect(save, &QPushButton::clicked, this, [this] { ChooseAndSave(); });
    bottom->addWidget(save);
    layout->addLayout(bottom);
    m_findings->setColumnWidth(Rule, 240);
    m_findings->setColumnWidth(Value, 140);
    m_findings->setColumnWidth(Limit, 200);
    m_notChecked->setColumnWidth(NotCheckedRule, 240);
    connect(m_findings, &QTableWidget::itemSelectionChanged, this,
            &CheckResultsWindow::ShowRowsFace);
    connect(&m_partView->View(), &PartView::FaceClicked, this, &CheckResultsWindow::FaceClicked);
    resize(1500, 620);
}

void CheckResultsWindow::Show(check::CheckReport report, std::shared_ptr<PartShapes> shapes) {
    m_report = std::move(report);
    setWindowTitle(tr("Check Results - %1").arg(ToQString(m_report.part)));
    m_part->setText(
        tr("Part: %1    Units: %2").arg(ToQString(m_report.part), ToQString(m_report.units)));
    ShowFindings(m_report);
    ShowNotChecked(m_report);
    ShowFigures(m_report);
    m_summary->setText(ToQString(check::ReportSummary(m_report, check::ReportLanguage::Chosen())));
    m_partView->Show(m_report, std::move(shapes));
}

std::optional<ColourBy> CheckResultsWindow::ShapesWanted() const {
    const PartView& view = m_partView->View();
    return view.Unavailable().isEmpty() ? std::optional(view.ColouredBy()) : std::nullopt;
}

void CheckResultsWindow::ShowRowsFace() {
    if (m_followingView) {
        return;
    }
    const QList<QTableWidgetItem*> selected = m_findings->selectedItems();
    m_partView->View().SelectFace(
        selected.isEmpty() ? 0 : m_findings->item(selected.front()->row(), Face)->text().toUInt());
}

void CheckResultsWindow::FaceClicked(std::uint32_t face) {
    SelectRowsOf(face);
    if (!m_pickPull->isChecked() || face == 0) {
        return;
    }
    if (const std::optional<check::Point> pull =
            PullAlongFace(m_partView->View().Meshes(), face, m_report.pull)) {
        m_pickPull->setChecked(false);
        emit PullPicked(m_report.part, PullText(*pull));
    }
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
    const check::ReportLanguage language = check::ReportLanguage::Chosen();
    m_findings->setRowCount(static_cast<int>(report.FindingCount()));
    int row = 0;
    for (const check::RuleResult& rule : report.rules) {
        for (const check::Finding& finding : rule.findings) {
            SetRow(*m_findings, row++,
                   {ToQString(language.RuleName(rule.rule, rule.shown)),
                    QString::number(finding.face), Measure(finding.value, rule.unit),
                    Measure(finding.limit, rule.unit, finding.what, language),
                    QString::number(finding.severity)});
        }
    }
}

void CheckResultsWindow::ShowNotChecked(const check::CheckReport& report) {
    const check::ReportLanguage language = check::ReportLanguage::Chosen();
    m_notChecked->setRowCount(0);
    for (const check::RuleResult& rule : report.rules) {
        if (!rule.checked) {
            const int row = m_notChecked->rowCount();
            m_notChecked->insertRow(row);
            SetRow(*m_notChecked, row,
                   {ToQString(language.RuleName(rule.rule, rule.shown)),
                    ToQString(language.Translated(rule.reason))});
        }
    }
}

void CheckResultsWindow::ShowFigures(const check::CheckReport& report) {
    const check::ReportLanguage language = check::ReportLanguage::Chosen();
    QStringList lines;
    for (const check::RuleResult& rule : report.rules) {
        QStringList figures;
        for (const check::Figure& figure : rule.figures) {
            figures << ToQString(language.Translated(figure.name) + ": " +
                                 check::ReportNumber(figure.value));
        }
        if (!figures.isEmpty()) {
            lines << ToQString(language.RuleName(rule.rule, rule.shown)) + QStringLiteral(": ") +
                         figures.join(QStringLiteral("; "));
        }
    }
    m_figures->setText(lines.join(u'\n'));
    m_figures->setVisible(!lines.isEmpty());
}

void CheckResultsWindow::PlaceOver(const QWidget& owner) {
    const int findings =
        HeightForRows(*m_findings, std::min(m_findings->rowCount(), kFindingRowsShown));
    const int notChecked = HeightForRows(*m_notChecked, m_notChecked->rowCount());
    // Room shared out as the rows ask for it, when the window is made larger or smaller.
    m_lists->setStretchFactor(m_findings, findings);
    m_lists->setStretchFactor(m_notChecked, notChecked);
    m_findings->setMinimumHeight(findings);
    m_notChecked->setMinimumHeight(notChecked);
    m_lists->activate();
    layout()->activate();
    const int wanted = layout()->totalMinimumSize().height();
    // On a small screen the findings scroll; the few rules not checked stay in view.
    m_findings->setMinimumHeight(0);

    const QScreen* screen = owner.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, width(), wanted);
    const QSize frame = frameGeometry().size() - size();
    resize(std::min(width(), available.width() - frame.width()),
           std::min(wanted, available.height() - frame.height()));
    QRect placed(QPoint(), frameGeometry().size().expandedTo(size()));
    placed.moveCenter(owner.frameGeometry().center());
    // Kept on the screen when the owner is near its edge.
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               std::max(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), available.top(),
                              std::max(available.top(), available.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void CheckResultsWindow::SaveReport(const std::filesystem::path& path) {
    SaveReportFile(m_report, path, m_partView->Picture(kReportPictureSize));
}

void CheckResultsWindow::ChooseAndSave() {
    const std::filesystem::path part(m_report.part);
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save Check Report"),
        QString::fromStdString(part.stem().string()) + QStringLiteral(".html"),
        tr("HTML report (*.html);;JSON, as the check command writes it (*.json)"));
    if (file.isEmpty()) {
        return;
    }
    try {
        SaveReport(file.toStdString());
    } catch (const std::exception& error) {
        QMessageBox::warning(this, QStringLiteral("veritor-studio"),
                             QString::fromUtf8(error.what()));
    }
}
