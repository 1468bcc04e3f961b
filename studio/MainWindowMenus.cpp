#include "studio/MainWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTableView>
#include <QUndoStack>

#include "check/PullDirection.h"
#include "dialogs/RuleDialogFields.h"
#include "studio/CheckProgressDialog.h"
#include "studio/CheckResultsWindow.h"
#include "studio/CheckRunner.h"
#include "studio/DocumentStatusBar.h"
#include "studio/DocumentWatcher.h"
#include "studio/HelpWindow.h"
#include "studio/PartCheckDialog.h"

namespace {

constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("recentFiles");
// The help file's first page, the module's own topic.
const QString kModuleTopic = QStringLiteral("14100.html");

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New Moulding Document"), QKeySequence(Qt::CTRL | Qt::Key_N), this, [this] {
        if (MaySetAside()) {
            NewDocument(false);
        }
    });
    file->addAction(tr("New &Casting Document"), this, [this] {
        if (MaySetAside()) {
            NewDocument(true);
        }
    });
    file->addAction(tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                    [this] { ChooseAndOpen(); });
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentFiles"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { Save(); });
    file->addAction(tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this] { ChooseAndSaveAs(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_undo->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_undo->createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The stack has moved by the time these run: the step undone is the one to redo now.
    connect(undo, &QAction::triggered, this,
            [this] { m_status->ShowAction(tr("Undone: %1").arg(m_undo->redoText())); });
    connect(redo, &QAction::triggered, this,
            [this] { m_status->ShowAction(tr("Redone: %1").arg(m_undo->undoText())); });
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(tr("&Edit Rule..."), this, [this] { OpenRule(CurrentRule()); });
    edit->addAction(tr("&Find Rules"), QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    QMenu* check = menuBar()->addMenu(tr("&Check"));
    check->addAction(tr("Check &Part..."), QKeySequence(Qt::CTRL | Qt::Key_K), this,
                     [this] { ChooseAndCheckPart(); });
    BuildHelpMenu();
    BuildRuleMenu();
}

void MainWindow::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* contents = help->addAction(tr("&Contents"), QKeySequence::HelpContents, this, [this] {
        m_screen.Help()->ShowTopic(QString::fromStdWString(ApplicationHelpFilePath().str()) +
                                   QStringLiteral("::/") + kModuleTopic);
    });
    contents->setObjectName(QStringLiteral("helpContents"));
    help->addSeparator();
    QAction* about = help->addAction(tr("&About veritor-studio"), this, [this] {
        QMessageBox::about(this, tr("About veritor-studio"), AboutText());
    });
    about->setObjectName(QStringLiteral("about"));
}

QString MainWindow::AboutText() {
    return tr("<p><b>veritor-studio %1</b></p>"
              "<p>The desktop editor of the design rules for moulded and cast parts: "
              "rule documents, their dialogs, and parts checked against them.</p>")
        .arg(QStringLiteral(VERITOR_VERSION));
}

// What a right click on a rule offers: the rule's dialog, and a check of a part against the
// document holding it.
void MainWindow::BuildRuleMenu() {
    m_ruleMenu = new QMenu(this);
    m_ruleMenu->addAction(tr("&Edit Rule..."), this, [this] { OpenRule(CurrentRule()); })
        ->setObjectName(QStringLiteral("editRule"));
    m_ruleMenu
        ->addAction(tr("Check &Part with This Document..."), this, [this] { ChooseAndCheckPart(); })
        ->setObjectName(QStringLiteral("checkPart"));
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = m_table->indexAt(at);
        if (index.isValid()) {
            m_table->selectRow(index.row());
            m_ruleMenu->popup(m_table->viewport()->mapToGlobal(at));
        }
    });
}

bool MainWindow::OpenFile(const std::filesystem::path& path) {
    try {
        Show(StudioDocument::Open(path));
        RememberRecent(path);
        m_status->ShowAction(tr("Opened %1").arg(PathText(path)));
        return true;
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
        return false;
    }
}

void MainWindow::NewDocument(bool casting) {
    Show(StudioDocument::New(casting));
    m_status->ShowAction(casting ? tr("New casting document") : tr("New moulding document"));
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
            const auto answer = Ask(tr("Document changed on disk"),
                                    tr("%1 has been changed by someone else since it was opened. "
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
    m_watcher->Watch(m_document->Path());
    RememberRecent(path);
    Refresh();
    m_status->ShowAction(tr("Saved %1").arg(PathText(path)));
    return true;
}

bool MainWindow::CheckPart(const std::filesystem::path& part, const QString& pull,
                           std::optional<std::int32_t> partUnit) {
    const auto direction = check::ParsePullDirection(pull.toStdString());
    if (!direction) {
        Warn(tr("pull direction \"%1\": give it as X,Y,Z, not all zero").arg(pull));
        return false;
    }
    check::CheckOptions options = m_partCheckOptions;
    options.pull = *direction;
    options.partUnit = partUnit;
    // Where the view draws, the check's thread also builds what it draws of the part.
    CheckRunner runner(std::move(options), part, m_document->Text(), m_document->DisplayName(),
                       m_checkResults->ShapesWanted());
    CheckProgressDialog progress(runner, tr("Checking %1...").arg(PathText(part.filename())), this);
    progress.WaitForEnd();
    switch (runner.Outcome()) {
        case CheckRunner::State::Failed:
            Warn(runner.Failure());
            return false;
        case CheckRunner::State::Running:
        case CheckRunner::State::Cancelled:
            return false;
        case CheckRunner::State::Done:
            break;
    }
    m_checkResults->Show(runner.TakeReport(), runner.TakeShapes());
    m_checkResults->PlaceOver(*this);
    m_checkResults->show();
    m_checkResults->raise();
    return true;
}

bool MainWindow::MaySetAside() {
    if (!IsModified()) {
        return true;
    }
    const auto answer = Ask(tr("Unsaved changes"),
                            tr("%1 has unsaved changes. Save them?")
                                .arg(QString::fromStdString(m_document->DisplayName())),
                            {}, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save) {
        return Save();
    }
    return answer == QMessageBox::Discard;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (MaySetAside()) {
        SaveLayout();
        event->accept();
    } else {
        event->ignore();
    }
}

QMessageBox::StandardButton MainWindow::Ask(const QString& title, const QString& text,
                                            const QString& details,
                                            QMessageBox::StandardButtons buttons) {
    return ShowBox(QMessageBox::Warning, title, text, details, buttons);
}

void MainWindow::Fail(const QString& text) {
    ShowBox(QMessageBox::Critical, QStringLiteral("veritor-studio"), text, {}, QMessageBox::Ok);
}

QMessageBox::StandardButton MainWindow::ShowBox(QMessageBox::Icon icon, const QString& title,
                                                const QString& text, const QString& details,
                                                QMessageBox::StandardButtons buttons) {
    if (m_prompt) {
        return m_prompt(title, text, details, buttons);
    }
    QMessageBox box(icon, title, text, buttons, this);
    box.setDetailedText(details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MainWindow::Warn(const QString& text) {
    ShowBox(QMessageBox::Warning, QStringLiteral("veritor-studio"), text, {}, QMessageBox::Ok);
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
    const QString file = QFileDialog::getOpenFileName(this, tr("Open Rule Document"), {},
                                                      tr("Rule documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) {
        OpenFile(file.toStdString());
    }
}

void MainWindow::ChooseAndSaveAs() {
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save Rule Document"), QString::fromStdString(m_document->DisplayName()),
        tr("Rule documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) {
        SaveAs(file.toStdString());
    }
}

void MainWindow::ChooseAndCheckPart(const std::filesystem::path& part, const QString& pull) {
    PartCheckDialog dialog(m_document->Units().linearUnit, this);
    if (!part.empty()) {
        dialog.SetPart(part);
    }
    if (!pull.isEmpty()) {
        dialog.SetPull(pull);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.Part().empty()) {
        const QScopedValueRollback holding(m_holdingDocument, m_holdingDocument + 1);
        CheckPart(dialog.Part(), dialog.Pull(), dialog.PartUnit());
    }
}
