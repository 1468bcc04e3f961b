#include "studio/MainWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "document/UnitCodes.h"
#include "studio/CheckResultsWindow.h"

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
      m_table(new QTableView(this)),
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
    connect(m_undo, &QUndoStack::cleanChanged, this, [this] { Refresh(); });
    resize(1000, 560);
    Show(StudioDocument::New(false));
}

// The undo stack outlives this object's own part while the widget is torn down: it must not call
// back into it then.
MainWindow::~MainWindow() {
    disconnect(m_undo, nullptr, this, nullptr);
}

void MainWindow::BuildTable() {
    m_table->setModel(m_model);
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
            [this](const QModelIndex& index) { OpenRule(index.row()); });
}

void MainWindow::BuildUnitBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lengthUnits = new QComboBox(bar);
    m_angleUnits = new QComboBox(bar);
    for (std::int32_t code = 0; code <= kLastLinearUnit; ++code) {
        m_lengthUnits->addItem(ToQString(LinearUnitName(code)), code);
    }
    for (std::int32_t code = 0; code <= kLastAngularUnit; ++code) {
        m_angleUnits->addItem(ToQString(AngularUnitName(code)), code);
    }
    layout->addWidget(new QLabel(QStringLiteral("Length unit:"), bar));
    layout->addWidget(m_lengthUnits);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(QStringLiteral("Angle unit:"), bar));
    layout->addWidget(m_angleUnits);
    layout->addStretch();
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
    if (!m_document->Rules().empty()) {
        m_table->selectRow(0);
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
}

bool MainWindow::IsModified() const {
    return !m_undo->isClean();
}

void MainWindow::Changed(const QString& what, const std::string& before) {
    const int row = m_table->currentIndex().row();
    m_model->Reload();
    m_table->selectRow(row);
    m_undo->push(
        new DocumentStep(what, before, m_document->Text(), [this](const std::string& text) {
            const int current = m_table->currentIndex().row();
            m_document->Restore(text);
            m_model->Reload();
            m_table->selectRow(current);
            Refresh();
        }));
    Refresh();
}

void MainWindow::OpenRule(int row) {
    if (!m_model->IsModuleRule(row)) {
        return;
    }
    const std::string before = m_document->Text();
    LoadedRule& loaded = m_document->Rules()[static_cast<std::size_t>(row)];
    const QString name = QString::fromStdWString(loaded.rule->m_strDisplayName.str());
    loaded.rule->EditRule();
    if (m_screen.DialogsRun() > 0 && m_screen.LastResult() == IDOK) {
        m_document->RuleEdited(loaded);
        Changed(QStringLiteral("Edit %1").arg(name), before);
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
            const auto answer = Ask(
                QStringLiteral("Values would be rounded away"),
                QStringLiteral("%1 value(s) would be rounded away in the new units, which keep six "
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
    Changed(
        QStringLiteral("Units %1, %2")
            .arg(ToQString(LinearUnitName(linearUnit)), ToQString(AngularUnitName(angularUnit))),
        before);
}
