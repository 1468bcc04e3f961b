// The editor around the rules table as a desktop user reaches for it: sorting and filtering,
// edits of large documents, the context menu, the status bar, the Help menu, message boxes and
// tooltips.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QToolTip>
#include <QUndoStack>
#include <fstream>

#include "studio/DialogWidget.h"
#include "studio/DocumentStatusBar.h"
#include "studio/HelpBrowser.h"
#include "studio/HelpWindow.h"
#include "studio/PartCheckDialog.h"
#include "tests/studio/EditorTestSupport.h"

using testing::HasSubstr;

namespace editortest {
namespace {

TEST_F(Editor, SortedAndFilteredTheTableStillEditsTheRuleShown) {
    const std::filesystem::path file = NewDocument("parts.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView& table = window.Table();

    ClickHeader(table, RulesTableModel::DisplayName);
    QStringList names = ColumnTexts(table, RulesTableModel::DisplayName);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    if (table.horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder) {
        std::reverse(sorted.begin(), sorted.end());
    }
    EXPECT_EQ(names, sorted);
    EXPECT_NE(names.front(), QStringLiteral("Draft Angle")) << "not in the document's order";

    QTest::keyClicks(&window.Filter(), QStringLiteral("RADIUS"));
    names = ColumnTexts(table, RulesTableModel::DisplayName);
    EXPECT_THAT(names, testing::UnorderedElementsAre(QStringLiteral("Fillet Radius"),
                                                     QStringLiteral("Minimum Rib Edge Radius")));
    window.Filter().setText(QStringLiteral("part edge"));
    EXPECT_EQ(ColumnTexts(table, RulesTableModel::DisplayName),
              QStringList{QStringLiteral("Hole to Part Edge Distance")})
        << "descriptions are searched too";

    window.Filter().setText(QStringLiteral("fillet"));
    ASSERT_EQ(table.model()->rowCount(), 1);
    table.setFocus();
    table.selectRow(0);
    EXPECT_EQ(window.CurrentRule(), kFilletRadiusRule);
    window.Screen().SetShownHook([](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
    });
    QTest::keyClick(&table, Qt::Key_Return);
    EXPECT_EQ(window.UndoStack().undoText(), QStringLiteral("Edit Fillet Radius"));
    EXPECT_EQ(window.Status().Action(), QStringLiteral("Rule edited: Fillet Radius"));
    EXPECT_EQ(window.CurrentRule(), kFilletRadiusRule) << "the edited rule stays selected";
}

// Two thicker walls in the rib-height table, as "cell 1 0, type 1172 3, key Tab, type 1172 12,
// key Enter, ok" does.
void AddThickerWalls(DialogWidget& dialog) {
    constexpr int kTable = 2257;
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.CellCenter(kTable, 1, 0));
    QTest::keyClicks(&dialog, QStringLiteral("3"));
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("12"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

// A confirmed dialog updates the document without reading it again: a second edit, further down
// a document laid out unlike the editor's own printing, still changes that rule's element alone,
// byte for byte as two edit commands do, and the table shows what reading the result shows.
TEST_F(Editor, SuccessiveEditsChangeOnlyTheirRulesAsTheEditCommandDoes) {
    constexpr int kRibHeightRule = 5;
    const std::filesystem::path scripted = NewDocument("scripted.xml");
    std::string text = ReadWholeFile(scripted);
    for (std::size_t at = text.find("\n  "); at != std::string::npos;
         at = text.find("\n  ", at + 4)) {
        text.insert(at + 1, " ");
    }
    std::ofstream(scripted, std::ios::binary) << text;
    const std::filesystem::path clicked = m_folder.Path() / "clicked.xml";
    std::filesystem::copy_file(scripted, clicked);
    for (const auto& [rule, script] :
         {std::pair("Draft Angle", "key Tab\ntype 1113 1.5\nchoose 1111 >\nok\n"),
          std::pair("Rib Height for Thickness",
                    "cell 1 0\ntype 1172 3\nkey Tab\ntype 1172 12\nkey Enter\nok\n")}) {
        std::ofstream(m_folder.Path() / "actions.txt") << script;
        const CommandResult edit =
            RunVeritorRules(m_folder.Path(),
                            std::string("edit scripted.xml \"") + rule + "\" --script actions.txt");
        ASSERT_EQ(edit.status, 0) << edit.err;
    }

    MainWindow window;
    ASSERT_TRUE(window.OpenFile(clicked));
    window.Screen().SetShownHook(studiotest::RaiseCoreDraft);
    window.OpenRule(0);
    window.Screen().SetShownHook(AddThickerWalls);
    window.OpenRule(kRibHeightRule);
    EXPECT_EQ(window.Document().Text(), ReadWholeFile(scripted));

    MainWindow reread;
    ASSERT_TRUE(reread.OpenFile(scripted));
    for (int column = 0; column < RulesTableModel::ColumnCount; ++column) {
        EXPECT_EQ(ColumnTexts(window.Table(), column), ColumnTexts(reread.Table(), column));
    }
    window.UndoStack().undo();
    window.UndoStack().redo();
    EXPECT_EQ(window.Document().Text(), ReadWholeFile(scripted));
}

TEST_F(Editor, TheStatusBarShowsUnitsRulesAndTheLastAction) {
    const std::filesystem::path file = NewDocument("parts.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    DocumentStatusBar& status = window.Status();
    EXPECT_EQ(status.Units(), QStringLiteral("mm, deg"));
    EXPECT_EQ(status.RuleCount(), QStringLiteral("%1 rules").arg(kRules));
    EXPECT_THAT(status.Action().toStdString(), HasSubstr("Opened"));

    window.ChangeUnits(kInch, 0);
    EXPECT_EQ(status.Units(), QStringLiteral("in, deg"));
    EXPECT_EQ(status.Action(), QStringLiteral("Units changed to in, deg"));
    window.UndoStack().undo();
    EXPECT_EQ(status.Units(), QStringLiteral("mm, deg"));
    ASSERT_TRUE(window.Save());
    EXPECT_THAT(status.Action().toStdString(), HasSubstr("Saved"));
}

// A right click selects the rule under the mouse and offers its dialog and a part check.
TEST_F(Editor, TheContextMenuEditsTheRuleClickedAndChecksAPart) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView& table = window.Table();
    const QPoint at = table.visualRect(table.model()->index(kFilletRadiusRule, 0)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, table.viewport()->mapToGlobal(at));
    QApplication::sendEvent(table.viewport(), &click);
    EXPECT_EQ(window.CurrentRule(), kFilletRadiusRule);
    EXPECT_TRUE(window.RuleMenu().isVisible());
    window.RuleMenu().close();

    window.Screen().SetShownHook([](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDCANCEL));
    });
    QAction* edit = nullptr;
    QAction* check = nullptr;
    for (QAction* action : window.RuleMenu().actions()) {
        (action->objectName() == QStringLiteral("editRule") ? edit : check) = action;
    }
    ASSERT_TRUE(edit && check);
    const int dialogs = window.Screen().DialogsRun();
    edit->trigger();
    EXPECT_EQ(window.Screen().DialogsRun(), dialogs + 1);

    bool asked = false;
    WhenShown<PartCheckDialog>([&asked](PartCheckDialog& dialog) {
        asked = true;
        dialog.reject();
    });
    check->trigger();
    EXPECT_TRUE(asked) << "Check Part asks for the part";
}

// Questions that may lose work carry the warning icon, failures the error icon.
TEST_F(Editor, MessageBoxesShowAWarningOrAnErrorIcon) {
    MainWindow window;
    std::vector<QMessageBox::Icon> icons;
    const auto answer = [&icons](QMessageBox::StandardButton button) {
        WhenShown<QMessageBox>([&icons, button](QMessageBox& box) {
            icons.push_back(box.icon());
            box.button(button)->click();
        });
    };
    answer(QMessageBox::Ok);
    EXPECT_FALSE(window.OpenFile(m_folder.Path() / "missing.xml"));
    window.ChangeUnits(kInch, 0);
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(icons, (std::vector{QMessageBox::Critical, QMessageBox::Warning}));
}

TEST_F(Editor, HelpOpensTheModulesPageAndAboutNamesTheVersion) {
    MainWindow window;
    QAction* contents = window.menuBar()->findChild<QAction*>(QStringLiteral("helpContents"));
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(contents->shortcut(), QKeySequence(Qt::Key_F1));
    contents->trigger();
    HelpWindow& help = *window.Screen().Help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_GT(help.Contents().count(), 0);
    EXPECT_THAT(help.Browser().source().toString().toStdString(), HasSubstr("14100.html"));

    const std::string version = RunVeritorRules(m_folder.Path(), "--version").out;
    const std::string number =
        version.substr(version.find(' ') + 1, version.find('\n') - version.find(' ') - 1);
    ASSERT_FALSE(number.empty());
    QString about;
    WhenShown<QMessageBox>([&about](QMessageBox& box) {
        about = box.text();
        box.accept();
    });
    window.menuBar()->findChild<QAction*>(QStringLiteral("about"))->trigger();
    EXPECT_THAT(about.toStdString(), HasSubstr("veritor-studio " + number));
}

TEST_F(Editor, ANameTooWideForItsColumnShowsWholeAsItsTooltip) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView& table = window.Table();
    const QModelIndex cell = table.model()->index(kFilletRadiusRule, RulesTableModel::DisplayName);
    const auto tipOver = [&table, &cell] {
        QToolTip::hideText();
        const QPoint at = table.visualRect(cell).center();
        QHelpEvent hover(QEvent::ToolTip, at, table.viewport()->mapToGlobal(at));
        QApplication::sendEvent(table.viewport(), &hover);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipOver(), QString());
    table.setColumnWidth(RulesTableModel::DisplayName, 30);
    EXPECT_EQ(tipOver(), QStringLiteral("Fillet Radius"));
    QToolTip::hideText();
}

}  // namespace
}  // namespace editortest
