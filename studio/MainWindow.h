#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "check/PartChecker.h"
#include "studio/DialogScreen.h"
#include "studio/RulesTableModel.h"
#include "studio/StudioDocument.h"

class CheckResultsWindow;
class DocumentStatusBar;
class DocumentWatcher;
class QComboBox;
class QLineEdit;
class QMenu;
class QTableView;
class QUndoStack;
class RulesFilterModel;

// The editor's main window: the open document's rules in a table that sorts by any column and
// filters by a text, its length and angle units, the File, Edit, Check and Help menus and a
// status bar. A double-click or Enter on a rule opens the rule's own dialog; OK changes the
// document. Undo and Redo go over confirmed dialog edits and unit changes, each restoring the
// document's exact text. A change to the document's file by anyone else offers to reload it;
// documents and parts dropped on the window are opened or checked.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Asks the person; tests answer in their place.
    using Prompt = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, const QString& details,
        QMessageBox::StandardButtons buttons)>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Each reports a failure to the person and returns false.
    bool OpenFile(const std::filesystem::path& path);
    void NewDocument(bool casting);
    bool Save();
    bool SaveAs(const std::filesystem::path& path);
    // Opens the dialog of the document's rule with this index (its row in the unsorted,
    // unfiltered table).
    void OpenRule(int row);
    // The document's index of the rule selected in the table, or -1.
    int CurrentRule() const;
    void SelectRule(int row);
    // Converts the document to these units, asking when values would be rounded away.
    void ChangeUnits(std::int32_t linearUnit, std::int32_t angularUnit);
    // Checks the part against the document as it stands, unsaved edits included, pulled along
    // "X,Y,Z", an STL read in partUnit (by default the document's), and shows the findings in
    // the results window. The check runs on a thread of its own behind a progress dialog with
    // Cancel; false when it failed or was cancelled, and nothing is shown then.
    bool CheckPart(const std::filesystem::path& part, const QString& pull,
                   std::optional<std::int32_t> partUnit = std::nullopt);
    // What every check starts from: its samples, threads and bounds.
    check::CheckOptions& PartCheckOptions() { return m_partCheckOptions; }
    // The Check Part action with this part, and this pull, chosen already.
    void ChooseAndCheckPart(const std::filesystem::path& part = {}, const QString& pull = {});
    // A rule document is opened (asking about unsaved changes first), a part is checked; false
    // for any other file.
    bool OpenDropped(const std::filesystem::path& path);
    // The window's size and column widths as the person last left them.
    void RestoreLayout();
    static QString AboutText();

    StudioDocument& Document() { return *m_document; }
    QTableView& Table() { return *m_table; }
    QComboBox& LengthUnits() { return *m_lengthUnits; }
    QComboBox& AngleUnits() { return *m_angleUnits; }
    QUndoStack& UndoStack() { return *m_undo; }
    CheckResultsWindow& CheckResults() { return *m_checkResults; }
    DialogScreen& Screen() { return m_screen; }
    QLineEdit& Filter() { return *m_filter; }
    DocumentStatusBar& Status() { return *m_status; }
    QMenu& RuleMenu() { return *m_ruleMenu; }
    bool IsModified() const;
    void SetPrompt(Prompt prompt) { m_prompt = std::move(prompt); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The document's rules table, its filter box and unit boxes.
    void BuildTable();
    void BuildUnitBar();
    void Show(std::unique_ptr<StudioDocument> document);
    void Refresh();
    // Records the document's change from the text before it as one undoable step.
    void Changed(const QString& what, std::string before);
    void ReloadChangedFile();
    void SaveLayout() const;

    // The menus and what they do.
    void BuildMenus();
    void BuildHelpMenu();
    void BuildRuleMenu();
    // True when there is nothing unsaved, or the person saved or chose to discard it.
    bool MaySetAside();
    // A question whose wrong answer loses work, hence the warning icon.
    QMessageBox::StandardButton Ask(const QString& title, const QString& text,
                                    const QString& details, QMessageBox::StandardButtons buttons);
    // Something could not be done.
    // A part that could not be checked: the editor goes on.
    void Warn(const QString& text);
    void Fail(const QString& text);
    QMessageBox::StandardButton ShowBox(QMessageBox::Icon icon, const QString& title,
                                        const QString& text, const QString& details,
                                        QMessageBox::StandardButtons buttons);
    void RememberRecent(const std::filesystem::path& path);
    void FillRecentMenu();
    void ChooseAndOpen();
    void ChooseAndSaveAs();

    std::unique_ptr<StudioDocument> m_document;
    RulesTableModel* m_model;
    RulesFilterModel* m_sorted;
    QTableView* m_table;
    QLineEdit* m_filter = nullptr;
    DocumentStatusBar* m_status;
    DocumentWatcher* m_watcher;
    QMenu* m_ruleMenu = nullptr;
    // The file's text the person chose not to reload, so that it is not offered again.
    std::string m_declinedReload;
    bool m_askingToReload = false;
    // A rule's dialog or a check holds the document: it is not replaced under them.
    int m_holdingDocument = 0;
    QComboBox* m_lengthUnits = nullptr;
    QComboBox* m_angleUnits = nullptr;
    QMenu* m_recentMenu = nullptr;
    QUndoStack* m_undo;
    CheckResultsWindow* m_checkResults;
    DialogScreen m_screen;
    Prompt m_prompt;
    check::CheckOptions m_partCheckOptions;
};
