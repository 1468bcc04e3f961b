#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>

#include "studio/CheckProgressDialog.h"
#include "studio/CheckResultsWindow.h"
#include "studio/CheckRunner.h"
#include "studio/HtmlReport.h"
#include "studio/MainWindow.h"
#include "studio/PartCheckDialog.h"
#include "tests/check/TestParts.h"
#include "tests/studio/StudioTestSupport.h"

using testing::HasSubstr;

namespace {

using Clock = std::chrono::steady_clock;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CheckRun : public testing::Test {
protected:
    void SetUp() override {
        m_cup = m_folder.Path() / "cup.step";
        test_parts::WriteStep(test_parts::Cup(true, true), m_cup);
    }

    // Calls act on the modal widget of type T once it is up and ready(widget) holds.
    template <typename T>
    void WhenModal(std::function<bool(T&)> ready, std::function<void(T&)> act) {
        auto* poll = new QTimer(&m_polls);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, act] {
            auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
            if (widget && ready(*widget)) {
                poll->deleteLater();
                poll->stop();
                act(*widget);
            }
        });
        poll->start(10);
    }

    // Polls that never found their widget stop with the test.
    QObject m_polls;
    TemporaryFolder m_folder;
    std::filesystem::path m_cup;
};

// Off the window's thread, the check tells a rising share of its work, ending at the whole, no
// more often than the window can show it, and hands over its report; asked to, it also builds
// the part's shapes there, taking the report's meshes rather than copying them.
TEST_F(CheckRun, ProgressRisesToTheWholeAndTheReportAndShapesArrive) {
    MainWindow window;
    const auto started = Clock::now();
    CheckRunner runner({}, m_cup, window.Document().Text(), "rules.xml", ColourBy::Findings);
    std::vector<int> told;
    QObject::connect(&runner, &CheckRunner::Progressed,
                     [&told](int steps) { told.push_back(steps); });
    QSignalSpy finished(&runner, &CheckRunner::Finished);
    ASSERT_TRUE(finished.wait(60'000));
    const auto took = Clock::now() - started;
    EXPECT_EQ(runner.Outcome(), CheckRunner::State::Done);
    EXPECT_FALSE(runner.Report().rules.empty());
    ASSERT_GT(told.size(), 3u);
    EXPECT_LE(told.size(), took / std::chrono::milliseconds(40) + 2);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), CheckRunner::kSteps);

    EXPECT_TRUE(runner.Report().meshes.empty());
    EXPECT_NE(runner.TakeShapes(), nullptr);
}

// Cancel on a check of millions of samples ends it within a second of the click: no results,
// no message, and the window checks again as before.
TEST_F(CheckRun, CancelStopsALongCheckWithinASecondAndShowsNothing) {
    MainWindow window;
    std::vector<std::string> asked;
    window.SetPrompt([&asked](const QString&, const QString& text, const QString&,
                              QMessageBox::StandardButtons) {
        asked.push_back(text.toStdString());
        return QMessageBox::Ok;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.PartCheckOptions().samples = 20'000'000;
    std::optional<Clock::time_point> clicked;
    int shownAtClick = 0;
    WhenModal<CheckProgressDialog>(
        [](CheckProgressDialog& dialog) { return dialog.Bar().value() > 250; },
        [&](CheckProgressDialog& dialog) {
            shownAtClick = dialog.Bar().value();
            clicked = Clock::now();
            QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
        });
    EXPECT_FALSE(window.CheckPart(m_cup, QStringLiteral("0,0,1")));
    ASSERT_TRUE(clicked.has_value());
    EXPECT_LT(Clock::now() - *clicked, std::chrono::seconds(1));
    EXPECT_LT(shownAtClick, CheckRunner::kSteps);
    EXPECT_FALSE(window.CheckResults().isVisible());
    EXPECT_TRUE(asked.empty()) << asked.front();

    window.PartCheckOptions().samples = check::CheckOptions{}.samples;
    EXPECT_TRUE(window.CheckPart(m_cup, QStringLiteral("0,0,1")));
    EXPECT_TRUE(window.CheckResults().isVisible());
}

// A part that cannot be read is told with the warning icon; the editor then checks a good part.
TEST_F(CheckRun, AnUnreadablePartIsAWarningAndTheEditorKeepsWorking) {
    const std::filesystem::path broken = m_folder.Path() / "broken.step";
    std::ofstream(broken) << "ISO-10303-21;\nnot a part\n";
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::optional<QMessageBox::Icon> icon;
    QString text;
    WhenModal<QMessageBox>([](QMessageBox&) { return true; },
                           [&](QMessageBox& box) {
                               icon = box.icon();
                               text = box.text();
                               box.accept();
                           });
    EXPECT_FALSE(window.CheckPart(broken, QStringLiteral("0,0,1")));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_THAT(text.toStdString(), HasSubstr("broken.step"));
    EXPECT_FALSE(window.CheckResults().isVisible());

    EXPECT_TRUE(window.CheckPart(m_cup, QStringLiteral("0,0,1")));
}

// The unit the dialog gives an STL is the one it is read in: the same numbers in inches give a
// model 25.4 times the size, reported in the document's millimetres.
TEST_F(CheckRun, AnStlIsReadInTheUnitGiven) {
    const std::filesystem::path stl = m_folder.Path() / "cup.stl";
    test_parts::WriteStl(test_parts::Cup(false, false), stl);
    MainWindow window;
    ASSERT_TRUE(window.CheckPart(stl, QStringLiteral("0,0,1"), 0));
    const double millimetres = window.CheckResults().Report().size.high[0];
    ASSERT_GT(millimetres, 1);
    ASSERT_TRUE(window.CheckPart(stl, QStringLiteral("0,0,1"), 3));
    EXPECT_NEAR(window.CheckResults().Report().size.high[0], 25.4 * millimetres,
                1e-6 * millimetres);
}

// The results open centred on the main window, every rule not checked in view.
TEST_F(CheckRun, ResultsOpenCentredShowingTheirRows) {
    MainWindow window;
    window.resize(600, 400);
    window.show();
    QRect placed = window.frameGeometry();
    placed.moveCenter(window.screen()->availableGeometry().center());
    window.move(placed.topLeft());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.CheckPart(m_cup, QStringLiteral("0,0,1")));
    CheckResultsWindow& results = window.CheckResults();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&results));
    const QPoint offset = results.frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    QTableWidget& notChecked = results.NotChecked();
    ASSERT_GE(notChecked.rowCount(), 3);
    const QRect last =
        notChecked.visualRect(notChecked.model()->index(notChecked.rowCount() - 1, 0));
    EXPECT_LE(last.bottom(), notChecked.viewport()->height());
}

// Every label with a mnemonic has its field as buddy, so no ampersand is shown. The STL's unit
// is asked for an STL alone and remembered for that file; the pull is typed or an axis, refused
// with a message when it cannot be read, and the last one offered again.
TEST_F(CheckRun, ThePartDialogAsksTheStlUnitAndAReadablePull) {
    constexpr std::int32_t kInch = 3;
    const QString stl = QString::fromStdString((m_folder.Path() / "box.stl").string());
    {
        PartCheckDialog dialog(0);
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().contains(u'&')) {
                EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
            }
        }
        auto& part = *dialog.findChild<QLineEdit*>(QStringLiteral("part"));
        auto& unit = *dialog.findChild<QComboBox*>(QStringLiteral("partUnit"));
        auto& pull = *dialog.findChild<QComboBox*>(QStringLiteral("pull"));
        auto& pullError = *dialog.findChild<QLabel*>(QStringLiteral("pullError"));
        dialog.show();
        part.setText(QString::fromStdString(m_cup.string()));
        EXPECT_FALSE(unit.isVisible());
        EXPECT_EQ(dialog.PartUnit(), std::nullopt);
        part.setText(stl);
        EXPECT_TRUE(unit.isVisible());
        EXPECT_EQ(dialog.PartUnit(), 0);
        unit.setCurrentIndex(unit.findData(kInch));

        pull.setEditText(QStringLiteral("1,2"));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_THAT(pullError.text().toStdString(), HasSubstr("\"1,2\" cannot be used"));
        pull.setCurrentIndex(pull.findText(QStringLiteral("-Y")));
        EXPECT_EQ(dialog.Pull(), QStringLiteral("0,-1,0"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    PartCheckDialog again(0);
    EXPECT_EQ(again.Pull(), QStringLiteral("0,-1,0"));
    again.findChild<QLineEdit*>(QStringLiteral("part"))->setText(stl);
    EXPECT_EQ(again.PartUnit(), kInch);
    again.findChild<QLineEdit*>(QStringLiteral("part"))
        ->setText(QString::fromStdString((m_folder.Path() / "other.stl").string()));
    EXPECT_EQ(again.PartUnit(), 0);
}

// The JSON saved is the check command's own answer, byte for byte; the HTML page holds every
// finding and rule not checked, escapes what the part's name holds, and embeds the picture only
// when there is one.
TEST_F(CheckRun, SavedReportsAreTheCommandsJsonAndACompleteEscapedPage) {
    const std::filesystem::path part = m_folder.Path() / "<b>&\"cup\".step";
    std::filesystem::copy_file(m_cup, part);
    MainWindow window;
    ASSERT_TRUE(window.SaveAs(m_folder.Path() / "rules.xml"));
    ASSERT_TRUE(window.CheckPart(part, QStringLiteral("0,0,1")));
    CheckResultsWindow& results = window.CheckResults();
    results.SaveReport(m_folder.Path() / "report.json");
    const CommandResult command =
        RunVeritorRules(m_folder.Path(), "check --format json '" + part.string() + "' rules.xml");
    ASSERT_NE(command.status, 2) << command.err;
    EXPECT_EQ(ReadFile(m_folder.Path() / "report.json"), command.out);

    results.SaveReport(m_folder.Path() / "report.html");
    const std::string html = ReadFile(m_folder.Path() / "report.html");
    EXPECT_THAT(html, testing::Not(HasSubstr("<b>&")));
    EXPECT_THAT(html, HasSubstr("&lt;b&gt;&amp;&quot;cup&quot;.step"));
    EXPECT_THAT(html, testing::Not(HasSubstr("<img")));
    const check::CheckReport& report = results.Report();
    ASSERT_GT(report.FindingCount(), 0u);
    for (const check::RuleResult& rule : report.rules) {
        for (const check::Finding& finding : rule.findings) {
            EXPECT_THAT(html, HasSubstr("<tr><td>" + rule.rule + "</td><td>1</td><td>" +
                                        std::to_string(finding.face) + "</td>"));
        }
        if (!rule.checked) {
            EXPECT_THAT(html, HasSubstr("<td>" + rule.rule + "</td><td>" + rule.reason));
        }
    }

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    EXPECT_THAT(HtmlReport(report, picture).toStdString(),
                HasSubstr("<img alt=\"The checked part\" src=\"data:image/png;base64,iVBOR"));
}

}  // namespace
