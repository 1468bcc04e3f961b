#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "studio/CheckResultsWindow.h"
#include "studio/MainWindow.h"
#include "studio/PartCheckDialog.h"
#include "tests/check/TestParts.h"
#include "tests/studio/StudioTestSupport.h"

using testing::HasSubstr;

namespace {

constexpr std::int32_t kMillimetre = 0;
constexpr std::int32_t kRadian = 1;

// The rows of a table, each row's cells joined by " | ".
std::vector<std::string> Rows(const QTableWidget& table) {
    std::vector<std::string> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            cells << table.item(row, column)->text();
        }
        rows.push_back(cells.join(QStringLiteral(" | ")).toStdString());
    }
    return rows;
}

class PartCheck : public testing::Test {
protected:
    void Answer(MainWindow& window) {
        window.SetPrompt([this](const QString& title, const QString& text, const QString&,
                                QMessageBox::StandardButtons) {
            m_asked.push_back((title + u'\n' + text).toStdString());
            return QMessageBox::Yes;
        });
    }

    TemporaryFolder m_folder;
    std::vector<std::string> m_asked;
};

// The editor's document, never saved and in radians, is what the block is checked against; the
// window lists what veritor-rules check finds once the same document is saved.
TEST_F(PartCheck, TheDocumentAsEditedIsCheckedAndItsFindingsListed) {
    const std::filesystem::path part = m_folder.Path() / "block.step";
    test_parts::WriteStep(test_parts::DraftedBlock(0.3, 1, 5, 5), part);
    MainWindow window;
    Answer(window);
    window.ChangeUnits(kMillimetre, kRadian);
    ASSERT_TRUE(window.CheckPart(part, QStringLiteral("0,0,1"))) << testing::PrintToString(m_asked);

    CheckResultsWindow& results = window.CheckResults();
    EXPECT_TRUE(results.isVisible());
    // 0.3 degrees against the default 5 on the cavity side, in radians.
    EXPECT_THAT(
        Rows(results.Findings()),
        testing::Contains("Draft Angle | 6 | 0.005236 rad | 0.087266 rad (cavity side) | 2"));
    EXPECT_THAT(Rows(results.NotChecked()),
                testing::Contains("Surface Finish | needs the surface finish, which a part file "
                                  "does not hold"));
    EXPECT_THAT(results.Figures().text().toStdString(),
                HasSubstr("Core/Cavity Surface Area Ratio: core area: "));

    ASSERT_TRUE(window.SaveAs(m_folder.Path() / "rules.xml"));
    const CommandResult command = RunVeritorRules(m_folder.Path(), "check block.step rules.xml");
    ASSERT_NE(command.status, 2) << command.err;
    EXPECT_THAT(command.out,
                testing::EndsWith("\n" + results.Summary().text().toStdString() + "\n"));
    EXPECT_THAT(command.out, HasSubstr(": 0.005236 rad, limit"));
}

// Ctrl+K asks for the part; one that cannot be read is reported in one line naming it, as is a
// pull direction of no length.
TEST_F(PartCheck, APartThatCannotBeReadOrABadPullIsReportedInAMessageBox) {
    const std::filesystem::path part = m_folder.Path() / "broken.step";
    std::ofstream(part) << "ISO-10303-21;\nnot a part\n";
    MainWindow window;
    Answer(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTimer::singleShot(0, [&part] {
        auto* dialog = qobject_cast<PartCheckDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("part"))
            ->setText(QString::fromStdString(part.string()));
        dialog->accept();
    });
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("broken.step"));
    EXPECT_EQ(std::count(m_asked[0].begin(), m_asked[0].end(), '\n'), 1) << m_asked[0];
    EXPECT_FALSE(window.CheckResults().isVisible());

    EXPECT_FALSE(window.CheckPart(part, QStringLiteral("0,0,0")));
    EXPECT_THAT(m_asked.at(1), HasSubstr("pull direction \"0,0,0\""));
}

// A part that crashes the reader costs the check only: the message names it, and the window
// stays with its unsaved edit.
TEST_F(PartCheck, APartThatCrashesTheReaderLeavesTheWindowAndItsEdits) {
    const std::filesystem::path part = m_folder.Path() / "self-edge.step";
    std::ofstream(part) << test_parts::SelfReferencingEdgeStep();
    MainWindow window;
    Answer(window);
    window.show();
    window.ChangeUnits(kMillimetre, kRadian);
    ASSERT_TRUE(window.IsModified());
    const std::string edited = window.Document().Text();
    m_asked.clear();

    EXPECT_FALSE(window.CheckPart(part, QStringLiteral("0,0,1")));
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr(part.string() + ": the reader crashed ("));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(window.Document().Text(), edited);
}

}  // namespace
