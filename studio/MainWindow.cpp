#include "studio/MainWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "document/UnitCodes.h"
#include "studio/CheckResultsWindow.h"
#include "studio/DocumentStatusBar.h"
#include "studio/DocumentWatcher.h"
#include "studio/ElidedTipDelegate.h"
#include "studio/RulesFilterModel.h"

namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// One step of the undo history: the document's text before and after it.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(const QString& what, std::string before, std::string after,
                 std::function<void(const std::string&)> restore)
        : QUndoCommand(what),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_restore(std::move(restore)) {}

    void undo() override { m_restore(m_before); }
    // The first redo is the change itself, which is done already.
    void redo() override {
        if (!m_first) {
            m_restore(m_after);
        }
        m_first = false;
    }

private:
    std::string m_before;
    std::string m_after;
    std::function<void(const std::string&)> m_restore;
    bool m_first = true;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_model(new RulesTableModel(this)),
      m_sorted(new RulesFilterModel(this)),
      m_table(new QTableView(this)),
      m_status(new DocumentStatusBar(this)),
      m_watcher(new DocumentWatcher(this)),
      m_undo(new QUndoStack(this)),
      m_checkResults(new CheckResultsWindow(this)),
      m_screen(this) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    setCentralWidget(central);
    BuildUnitBar();
    layout->addWidget(m_lengthUnits->parentWidget());
    layout->addWidget(m_table);
    BuildTable();
    BuildMenus();
    setStatusBar(m_status);
    setAcceptDrops(true);
    connect(m_undo, &QUndoStack::cleanChanged, this, [this] { Refresh(); });
    connect(m_watcher, &DocumentWatcher::FileChanged, this, [this] { ReloadChangedFile(); });
    connect(m_checkResults, &CheckResultsWindow::PullPicked, this,
            [this](const std::filesystem::path& part, const QString& pull) {
                ChooseAndCheckPart(part, pull);
            });
    resize(1000, 560);
    Show(StudioDocument::New(false));
}

// The undo stack and the table outlive this object's own part while the widget is torn down:
// neither may reach the document then (the table, hidden with the window, asks its model).
MainWindow::~MainWindow() {
    disconnect(m_undo, nullptr, this, nullptr);
    m_table->setModel(nullptr);
}

void MainWindow::BuildTable() {
    m_sorted->setSourceModel(m_model);
    m_table->setModel(m_sorted);
    m_table->setItemDelegate(new ElidedTipDelegate(m_table));
    // The document's own order until a header is clicked; a third click goes back to it.
    m_table->horizontalHeader()->setSortIndicatorClearable(true);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Fixed row heights let the view place any row without measuring the ones before it.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(RulesTableModel::Name, 220);
    m_table->setColumnWidth(RulesTableModel::DisplayName, 220);
    m_table->setColumnWidth(RulesTableModel::Severity, 110);
    connect(m_table, &QTableView::activated, this,
            [this](const QModelIndex& index) { OpenRule(m_sorted->mapToSource(index).row()); });
    connect(m_filter, &QLineEdit::textChanged, m_sorted, &RulesFilterModel::SetFilterText);
}

int MainWindow::CurrentRule() const {
    return m_sorted->mapToSource(m_table->currentIndex()).row();
}

void MainWindow::SelectRule(int row) {
    const QModelIndex shown = m_sorted->mapFromSource(m_model->index(row, 0));
    if (shown.isValid()) {
        m_table->selectRow(shown.row());
    }
}

void MainWindow::BuildUnitBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lengthUnits = new QComboBox(bar);
    m_angleUnits = new QComboBox(bar);
    for (std::int32_t code = 0; code <= kLastLinearUnit; ++code) {
        m_lengthUnits->addItem(ToQString(LinearUnitSymbol(code)), code);
    }
    for (std::int32_t code = 0; code <= kLastAngularUnit; ++code) {
        m_angleUnits->addItem(ToQString(AngularUnitName(code)), code);
    }
    layout->addWidget(new QLabel(tr("Length unit:"), bar));
    layout->addWidget(m_lengthUnits);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(tr("Angle unit:"), bar));
    layout->addWidget(m_angleUnits);
    layout->addStretch();
    m_filter = new QLineEdit(bar);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Filter names and descriptions"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setMinimumWidth(260);
    auto* filterLabel = new QLabel(tr("&Filter:"), bar);
    filterLabel->setBuddy(m_filter);
    layout->addWidget(filterLabel);
    layout->addWidget(m_filter);
    const auto changed = [this] {
        ChangeUnits(m_lengthUnits->currentData().toInt(), m_angleUnits->currentData().toInt());
    };
    connect(m_lengthUnits, &QComboBox::activated, this, changed);
    connect(m_angleUnits, &QComboBox::activated, this, changed);
}

void MainWindow::Show(std::unique_ptr<StudioDocument> document) {
    m_model->SetDocument(nullptr);
    m_document = std::move(document);
    m_model->SetDocument(m_document.get());
    m_undo->clear();
    m_undo->setClean();
    m_watcher->Watch(m_document->Path());
    m_declinedReload.clear();
    if (!m_document->Rules().empty()) {
        SelectRule(0);
    }
    Refresh();
}

void MainWindow::Refresh() {
    const RuleUnitSystemStructure units = m_document->Units();
    m_lengthUnits->setCurrentIndex(m_lengthUnits->findData(units.linearUnit));
    m_angleUnits->setCurrentIndex(m_angleUnits->findData(units.angularUnit));
    setWindowTitle(
        QStringLiteral("%1[*] - veritor-studio").arg(ToQString(m_document->DisplayName())));
    setWindowModified(IsModified());
    m_status->ShowDocument(
        QStringLiteral("%1, %2").arg(ToQString(LinearUnitSymbol(units.linearUnit)),
                                     ToQString(AngularUnitName(units.angularUnit))),
        static_cast<int>(m_document->Rules().size()));
}

bool MainWindow::IsModified() const {
    return !m_undo->isClean();
}

void MainWindow::Changed(const QString& what, std::string before) {
    m_undo->push(new DocumentStep(what, std::move(before), m_document->Text(),
                                  [this](const std::string& text) {
                                      const int current = CurrentRule();
                                      m_document->Restore(text);
                                      m_model->Reload();
                                      SelectRule(current);
                                      Refresh();
                                  }));
    Refresh();
}

void MainWindow::OpenRule(int row) {
    if (!m_model->IsModuleRule(row)) {
        return;
    }
    std::string before = m_document->Text();
    LoadedRule& loaded = m_document->Rules()[static_cast<std::size_t>(row)];
    const QString name = QString::fromStdWString(loaded.rule->m_strDisplayName.str());
    {
        const QScopedValueRollback holding(m_holdingDocument, m_holdingDocument + 1);
        loaded.rule->EditRule();
    }
    if (m_screen.DialogsRun() > 0 && m_screen.LastResult() == IDOK) {
        m_document->RuleEdited(loaded);
        m_model->RuleChanged(row);
        Changed(tr("Edit %1").arg(name), std::move(before));
        m_status->ShowAction(tr("Rule edited: %1").arg(name));
    }
}

void MainWindow::ChangeUnits(std::int32_t linearUnit, std::int32_t angularUnit) {
    const RuleUnitSystemStructure to{linearUnit, angularUnit};
    const RuleUnitSystemStructure from = m_document->Units();
    if (to.linearUnit == from.linearUnit && to.angularUnit == from.angularUnit) {
        return;
    }
    const std::string before = m_document->Text();
    try {
        const std::vector<std::string> losses = m_document->ConvertUnits(to, false);
        if (!losses.empty()) {
            QString details;
            for (const std::string& loss : losses) {
                details += ToQString(loss) + u'\n';
            }
            const auto answer =
                Ask(tr("Values would be rounded away"),
                    tr("%1 value(s) would be rounded away in the new units, which keep six "
                       "decimals. Convert anyway?")
                        .arg(losses.size()),
                    details, QMessageBox::Yes | QMessageBox::Cancel);
            if (answer != QMessageBox::Yes) {
                Refresh();
                return;
            }
            m_document->ConvertUnits(to, true);
        }
    } catch (const std::exception& error) {
        m_document->Restore(before);
        Fail(QString::fromUtf8(error.what()));
        Refresh();
        return;
    }
    const int row = CurrentRule();
    m_model->Reload();
    SelectRule(row);
    const QString units = QStringLiteral("%1, %2").arg(ToQString(LinearUnitSymbol(linearUnit)),
                                                       ToQString(AngularUnitName(angularUnit)));
    Changed(tr("Units %1").arg(units), before);
    m_status->ShowAction(tr("Units changed to %1").arg(units));
}
