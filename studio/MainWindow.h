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
class QComboBox;
class QMenu;
class QTableView;
class QUndoStack;

// The editor's main window: the open document's rules in a table, its length and angle units,
// the File, Edit and Check menus. A double-click or Enter on a rule opens the rule's own dialog; OK
// changes the document. Undo and Redo go over confirmed dialog edits and unit changes, each
// restoring the document's exact text.
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
    // Opens the dialog of the rule in this row of the table.
    void OpenRule(int row);
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

    StudioDocument& Document() { return *m_document; }
    QTableView& Table() { return *m_table; }
    QComboBox& LengthUnits() { return *m_lengthUnits; }
    QComboBox& AngleUnits() { return *m_angleUnits; }
    QUndoStack& UndoStack() { return *m_undo; }
    CheckResultsWindow& CheckResults() { return *m_checkResults; }
    DialogScreen& Screen() { return m_screen; }
    bool IsModified() const;
    void SetPrompt(Prompt prompt) { m_prompt = std::move(prompt); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The document's rules table and unit boxes.
    void BuildTable();
    void BuildUnitBar();
    void Show(std::unique_ptr<StudioDocument> document);
    void Refresh();
    // Records the document's change from the text before it as one undoable step.
    void Changed(const QString& what, const std::string& before);

    // The menus and what they do.
    void BuildMenus();
    // True when there is nothing unsaved, or the person saved or chose to discard it.
    bool MaySetAside();
    QMessageBox::StandardButton Ask(const QString& title, const QString& text,
                                    const QString& details, QMessageBox::StandardButtons buttons,
                                    QMessageBox::Icon icon = QMessageBox::Question);
    void Fail(const QString& text);
    void RememberRecent(const std::filesystem::path& path);
    void FillRecentMenu();
    void ChooseAndOpen();
    void ChooseAndSaveAs();
    void ChooseAndCheckPart();

    std::unique_ptr<StudioDocument> m_document;
    RulesTableModel* m_model;
    QTableView* m_table;
    QComboBox* m_lengthUnits = nullptr;
    QComboBox* m_angleUnits = nullptr;
    QMenu* m_recentMenu = nullptr;
    QUndoStack* m_undo;
    CheckResultsWindow* m_checkResults;
    DialogScreen m_screen;
    Prompt m_prompt;
    check::CheckOptions m_partCheckOptions;
};
