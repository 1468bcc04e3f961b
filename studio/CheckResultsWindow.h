#pragma once

#include <QWidget>
#include <filesystem>

#include "check/CheckReport.h"

class QLabel;
class QTableWidget;

// What a part check found, in a window of its own: one row per finding (rule, face, value,
// limit, severity), the rules that were not checked with the reason, the figures reported
// without a limit, and the summary line veritor-rules check prints.
class CheckResultsWindow : public QWidget {
    Q_OBJECT

public:
    enum FindingColumn { Rule, Face, Value, Limit, Severity };
    enum NotCheckedColumn { NotCheckedRule, Reason };

    explicit CheckResultsWindow(QWidget* parent = nullptr);

    // Replaces what the window shows with this report.
    void Show(const check::CheckReport& report);
    // Sizes the window to show its rows (within the screen) and centres it on the owner.
    void PlaceOver(const QWidget& owner);
    // Saves the report shown as JSON (".json") or an HTML page; throws std::runtime_error when
    // the file cannot be written.
    void SaveReport(const std::filesystem::path& path) const;

    QTableWidget& Findings() { return *m_findings; }
    QTableWidget& NotChecked() { return *m_notChecked; }
    QLabel& Figures() { return *m_figures; }
    QLabel& Summary() { return *m_summary; }
    const check::CheckReport& Report() const { return m_report; }

private:
    void ShowFindings(const check::CheckReport& report);
    void ShowNotChecked(const check::CheckReport& report);
    void ShowFigures(const check::CheckReport& report);
    void ChooseAndSave();

    QLabel* m_part;
    QTableWidget* m_findings;
    QTableWidget* m_notChecked;
    QLabel* m_figures;
    QLabel* m_summary;
    check::CheckReport m_report;
};
