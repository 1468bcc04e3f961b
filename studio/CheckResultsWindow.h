#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "check/CheckReport.h"
#include "studio/FaceColours.h"

class PartViewPanel;
struct PartShapes;
class QBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

// What a part check found, in a window of its own: one row per finding (rule, face, value,
// limit, severity), the rules that were not checked with the reason, the figures reported
// without a limit, and the summary line veritor-rules check prints; beside them the part in 3D,
// its faces coloured by their findings. A finding's row picks its face in the view and a face
// picked in the view selects its findings' rows.
class CheckResultsWindow : public QWidget {
    Q_OBJECT

public:
    enum FindingColumn { Rule, Face, Value, Limit, Severity };
    enum NotCheckedColumn { NotCheckedRule, Reason };

    explicit CheckResultsWindow(QWidget* parent = nullptr);

    // Replaces what the window shows with this report, its part drawn from these shapes when
    // they were built beforehand.
    void Show(check::CheckReport report, std::shared_ptr<PartShapes> shapes = nullptr);
    // Where the view draws, the colours it would have the part's shapes built in beforehand.
    std::optional<ColourBy> ShapesWanted() const;
    // Sizes the window to show its rows (within the screen) and centres it on the owner.
    void PlaceOver(const QWidget& owner);
    // Saves the report shown as JSON (".json") or an HTML page with the coloured part where the
    // view can draw it; throws std::runtime_error when the file cannot be written.
    void SaveReport(const std::filesystem::path& path);

    QTableWidget& Findings() { return *m_findings; }
    QTableWidget& NotChecked() { return *m_notChecked; }
    QLabel& Figures() { return *m_figures; }
    QLabel& Summary() { return *m_summary; }
    const check::CheckReport& Report() const { return m_report; }
    PartViewPanel& Part() { return *m_partView; }
    // Pressed, the next face clicked in the view gives the pull to check the part with again.
    QPushButton& PickPull() { return *m_pickPull; }

signals:
    // A face picked for the pull: its normal or axis, as "X,Y,Z", for checking this part again.
    void PullPicked(const std::filesystem::path& part, const QString& pull);

private:
    void ShowFindings(const check::CheckReport& report);
    void ShowNotChecked(const check::CheckReport& report);
    void ShowFigures(const check::CheckReport& report);
    void ChooseAndSave();
    void ShowRowsFace();
    void SelectRowsOf(std::uint32_t face);
    void FaceClicked(std::uint32_t face);

    QLabel* m_part;
    QTableWidget* m_findings;
    QTableWidget* m_notChecked;
    QLabel* m_figures;
    QLabel* m_summary;
    QBoxLayout* m_lists;  // the findings, the rules not checked and the figures, in a column
    check::CheckReport m_report;
    PartViewPanel* m_partView;
    QPushButton* m_pickPull;
    // While the rows follow a face picked in the view, they do not move the view.
    bool m_followingView = false;
};
