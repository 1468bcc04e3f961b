#include "studio/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QSettings>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "check/CheckError.h"
#include "check/PartChecker.h"
#include "check/PullDirection.h"
#include "document/UnitCodes.h"
#include "studio/CheckResultsWindow.h"
#include "studio/PartCheckDialog.h"

namespace {

constexpr int kRecentFiles = 8;
constexpr int kProgressSteps = 1000;
const QString kRecentKey = QStringLiteral("recentFiles");

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
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

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New Moulding Document"), QKeySequence(Qt::CTRL | Qt::Key_N),
                    this, [this] {
                        if (MaySetAside()) {
                            NewDocument(false);
                        }
                    });
    file->addAction(QStringLiteral("New &Casting Document"), this, [this] {
        if (MaySetAside()) {
            NewDocument(true);
        }
    });
    file->addAction(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                    [this] { ChooseAndOpen(); });
    m_recentMenu = file->addMenu(QStringLiteral("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentFiles"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                    [this] { Save(); });
    file->addAction(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                    this, [this] { ChooseAndSaveAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                    [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* undo = m_undo->createUndoAction(this, QStringLiteral("&Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_undo->createRedoAction(this, QStringLiteral("&Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(QStringLiteral("&Edit Rule..."), this,
                    [this] { OpenRule(m_table->currentIndex().row()); });

    QMenu* check = menuBar()->addMenu(QStringLiteral("&Check"));
    check->addAction(QStringLiteral("Check &Part..."), QKeySequence(Qt::CTRL | Qt::Key_K), this,
                     [this] { ChooseAndCheckPart(); });
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

bool MainWindow::OpenFile(const std::filesystem::path& path) {
    try {
        Show(StudioDocument::Open(path));
        RememberRecent(path);
        return true;
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
        return false;
    }
}

void MainWindow::NewDocument(bool casting) {
    Show(StudioDocument::New(casting));
}

bool MainWindow::Save() {
    if (!m_document->Path()) {
        ChooseAndSaveAs();
        return m_document->Path().has_value() && !IsModified();
    }
    return SaveAs(*m_document->Path());
}

bool MainWindow::SaveAs(const std::filesystem::path& path) {
    try {
        if (m_document->Save(path, false) == StudioDocument::SaveResult::ChangedOnDisk) {
            const auto answer =
                Ask(QStringLiteral("Document changed on disk"),
                    QStringLiteral("%1 has been changed by someone else since it was opened. "
                                   "Overwrite it with this document?")
                        .arg(PathText(path)),
                    {}, QMessageBox::Yes | QMessageBox::Cancel);
            if (answer != QMessageBox::Yes) {
                return false;
            }
            m_document->Save(path, true);
        }
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
        return false;
    }
    m_undo->setClean();
    RememberRecent(path);
    Refresh();
    return true;
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

bool MainWindow::CheckPart(const std::filesystem::path& part, const QString& pull) {
    check::CheckReport report;
    try {
        check::CheckOptions options;
        const auto direction = check::ParsePullDirection(pull.toStdString());
        if (!direction) {
            throw check::CheckError(
                QStringLiteral("pull direction \"%1\": give it as X,Y,Z, not all zero")
                    .arg(pull)
                    .toStdString());
        }
        options.pull = *direction;
        // No cancel button: the checker runs to its end, bounded by its own limits.
        QProgressDialog progress(QStringLiteral("Checking %1...").arg(PathText(part.filename())),
                                 {}, 0, kProgressSteps, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(1000);
        options.progress = [&progress](double done) {
            progress.setValue(static_cast<int>(done * kProgressSteps));
        };
        report = check::PartChecker(std::move(options))
                     .Check(part, m_document->Text(), m_document->DisplayName());
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
        return false;
    }
    m_checkResults->Show(report);
    m_checkResults->show();
    m_checkResults->raise();
    return true;
}

bool MainWindow::MaySetAside() {
    if (!IsModified()) {
        return true;
    }
    const auto answer = Ask(QStringLiteral("Unsaved changes"),
                            QStringLiteral("%1 has unsaved changes. Save them?")
                                .arg(ToQString(m_document->DisplayName())),
                            {}, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save) {
        return Save();
    }
    return answer == QMessageBox::Discard;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (MaySetAside()) {
        event->accept();
    } else {
        event->ignore();
    }
}

QMessageBox::StandardButton MainWindow::Ask(const QString& title, const QString& text,
                                            const QString& details,
                                            QMessageBox::StandardButtons buttons) {
    if (m_prompt) {
        return m_prompt(title, text, details, buttons);
    }
    QMessageBox box(QMessageBox::Question, title, text, buttons, this);
    box.setDetailedText(details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MainWindow::Fail(const QString& text) {
    Ask(QStringLiteral("veritor-studio"), text, {}, QMessageBox::Ok);
}

void MainWindow::RememberRecent(const std::filesystem::path& path) {
    std::error_code error;
    const QString absolute = PathText(std::filesystem::absolute(path, error));
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFiles) {
        recent.removeLast();
    }
    settings.setValue(kRecentKey, recent);
}

void MainWindow::FillRecentMenu() {
    m_recentMenu->clear();
    for (const QString& file : QSettings().value(kRecentKey).toStringList()) {
        m_recentMenu->addAction(file, this, [this, file] {
            if (MaySetAside()) {
                OpenFile(file.toStdString());
            }
        });
    }
}

void MainWindow::ChooseAndOpen() {
    if (!MaySetAside()) {
        return;
    }
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open Rule Document"), {},
                                     QStringLiteral("Rule documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) {
        OpenFile(file.toStdString());
    }
}

void MainWindow::ChooseAndSaveAs() {
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Rule Document"),
                                     QString::fromStdString(m_document->DisplayName()),
                                     QStringLiteral("Rule documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) {
        SaveAs(file.toStdString());
    }
}

void MainWindow::ChooseAndCheckPart() {
    PartCheckDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted && !dialog.Part().empty()) {
        CheckPart(dialog.Part(), dialog.Pull());
    }
}
