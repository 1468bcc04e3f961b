#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <fstream>

#include "platform/Utf.h"
#include "studio/DialogWidget.h"
#include "studio/HelpBrowser.h"
#include "studio/HelpWindow.h"
#include "studio/MainWindow.h"
#include "studio/Screenshot.h"
#include "tests/studio/ScreenPerson.h"
#include "tests/studio/StudioTestSupport.h"

using testing::HasSubstr;
using testing::Not;

namespace {

constexpr int kCoreOperator = 1111;
constexpr int kDraftAngleRow = 0;

// A typo on screen: the refused "x" leaves the caret after "0.1", so the value is 0.19.
void TypeCoreDraftWithATypo(DialogWidget& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("0.1x9"));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

// A click on each list of the dialog and a second click on an item: the core and cavity
// operators to ">", the severity to "Very high".
void ChooseInEveryListByClicks(DialogWidget& dialog) {
    for (const auto& [list, item] :
         {std::pair(kCoreOperator, ">"), std::pair(1116, ">"), std::pair(1121, "Very high")}) {
        const auto* box = qobject_cast<QComboBox*>(dialog.ControlWidget(list));
        studiotest::ChooseByClicks(dialog, list, box->findText(QString::fromUtf8(item)));
    }
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

class Studio : public testing::Test {
protected:
    std::filesystem::path NewDocument(const std::string& name, const std::string& options = "") {
        const CommandResult made = RunVeritorRules(m_folder.Path(), "new " + name + " " + options);
        EXPECT_EQ(made.status, 0) << made.err;
        return m_folder.Path() / name;
    }
    std::string Show(const std::filesystem::path& file) {
        return RunVeritorRules(m_folder.Path(), "show " + file.filename().string()).out;
    }
    // Answers every question of the window with this button, remembering what was asked.
    void Answer(MainWindow& window, QMessageBox::StandardButton button) {
        window.SetPrompt([this, button](const QString& title, const QString& text,
                                        const QString& details, QMessageBox::StandardButtons) {
            m_asked.push_back((title + u'\n' + text + u'\n' + details).toStdString());
            return button;
        });
    }

    TemporaryFolder m_folder;
    std::vector<std::string> m_asked;
};

TEST_F(Studio, AnEditConfirmedWithOkAndSavedReadsBackInShow) {
    const std::filesystem::path file = NewDocument("parts.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    EXPECT_EQ(window.Table().model()->index(kDraftAngleRow, 0).data().toString(),
              QStringLiteral("Draft Angle"));
    window.Screen().SetShownHook(studiotest::RaiseCoreDraft);
    window.OpenRule(kDraftAngleRow);
    EXPECT_TRUE(window.IsModified());
    EXPECT_THAT(window.Table().model()->index(kDraftAngleRow, 3).data().toString().toStdString(),
                HasSubstr("1.5 deg on the core side"));
    ASSERT_TRUE(window.Save());
    EXPECT_FALSE(window.IsModified());
    EXPECT_THAT(Show(file), HasSubstr("parameter 2120: on, operator >, values 1.5\n"));
}

// Two thicker walls typed into the rib-height table: a click opens the cell editor, Tab moves on
// to the next cell, Enter stores it.
void AddThickerWalls(DialogWidget& dialog) {
    constexpr int kTable = 2257;
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.CellCenter(kTable, 1, 0));
    QTest::keyClicks(&dialog, QStringLiteral("3"));
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("12"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

// Row 200 of the rib-height table, reached with the wheel: its cells clicked and typed.
void EditRow200(DialogWidget& dialog) {
    constexpr int kTable = 2257;
    studiotest::TurnWheel(dialog, kTable, 63);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.CellCenter(kTable, 200, 0));
    QTest::keyClicks(&dialog, QStringLiteral("9"));
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("20"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

// A slip taken back: Backspace eats the 5 of "1.5", Ctrl+Z puts it back with the caret after it,
// and the 7 goes on behind it.
void UndoABackspace(DialogWidget& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("1.5"));
    QTest::keyClick(&dialog, Qt::Key_Backspace);
    QTest::keyClick(&dialog, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClicks(&dialog, QStringLiteral("7"));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

struct SameActions {
    const char* rule;
    int row;
    const char* script;
    void (*onScreen)(DialogWidget& dialog);
};

TEST_F(Studio, TheScreenSavesTheSameBytesAsTheSameActionsInAnEditScript) {
    const std::vector<SameActions> cases = {
        {"Draft Angle", kDraftAngleRow, "key Tab\ntype 1113 1.5\nchoose 1111 >\nok\n",
         studiotest::RaiseCoreDraft},
        {"Draft Angle", kDraftAngleRow, "key Tab\ntype 1113 0.1\nkey x\nkey 9\nok\n",
         TypeCoreDraftWithATypo},
        {"Draft Angle", kDraftAngleRow, "choose 1111 >\nchoose 1116 >\nchoose 1121 Very high\nok\n",
         ChooseInEveryListByClicks},
        {"Rib Height for Thickness", 5,
         "cell 1 0\ntype 1172 3\nkey Tab\ntype 1172 12\nkey Enter\nok\n", AddThickerWalls},
        {"Rib Height for Thickness", 5,
         "wheel 2257 63\ncell 200 0\ntype 1172 9\nkey Tab\ntype 1172 20\nkey Enter\nok\n",
         EditRow200},
        {"Draft Angle", kDraftAngleRow,
         "key Tab\ntype 1113 1.5\nkey Backspace\nkey Ctrl+Z\nkey 7\nok\n", UndoABackspace},
    };
    for (const SameActions& actions : cases) {
        const std::filesystem::path scripted = NewDocument("scripted.xml", "--force");
        const std::filesystem::path clicked = NewDocument("clicked.xml", "--force");
        std::ofstream(m_folder.Path() / "actions.txt") << actions.script;
        const CommandResult edit =
            RunVeritorRules(m_folder.Path(), std::string("edit scripted.xml \"") + actions.rule +
                                                 "\" --script actions.txt");
        ASSERT_EQ(edit.status, 0) << edit.err;
        ASSERT_THAT(edit.out, HasSubstr("saved"));

        MainWindow window;
        ASSERT_TRUE(window.OpenFile(clicked));
        window.Screen().SetShownHook(actions.onScreen);
        window.OpenRule(actions.row);
        ASSERT_TRUE(window.Save());
        EXPECT_EQ(ReadWholeFile(clicked), ReadWholeFile(scripted)) << actions.rule;
    }
}

// Dark pixels on the top edge of a table's row as the dialog shows it: a grid line is light.
int DarkPixelsAlongTopOf(DialogWidget& dialog, QTableWidget& table, int line) {
    const QRect row = table.visualItemRect(table.item(line, 0))
                          .translated(table.viewport()->mapTo(&dialog, QPoint(0, 0)));
    const QImage shown = dialog.grab().toImage();
    int dark = 0;
    for (int x = row.left() + 2; x < row.left() + 40; ++x) {
        dark += shown.pixelColor(x, row.top()).lightness() < 100 ? 1 : 0;
    }
    return dark;
}

// The screen shows the focus where the window system has it: the focused box's selection, none
// in a box the focus left, the cell editor's caret after the text typed into it and a dotted
// rectangle around the list's current row, clicked beside its cells.
TEST_F(Studio, TheScreenShowsTheFocusWhereTheWindowSystemHasIt) {
    constexpr int kCoreDraft = 1113;
    constexpr int kTable = 2257;
    constexpr int kCellEditor = 1172;
    MainWindow window;
    window.Screen().SetShownHook([](DialogWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Tab);
        auto* box = qobject_cast<QLineEdit*>(dialog.ControlWidget(kCoreDraft));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->selectedText(), QStringLiteral("0.5"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        EXPECT_FALSE(box->hasSelectedText()) << "a box the focus left hides its selection";
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(kDraftAngleRow);
    window.Screen().SetShownHook([](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.CellCenter(kTable, 1, 0));
        QTest::keyClicks(&dialog, QStringLiteral("12"));
        auto* editor = qobject_cast<QPlainTextEdit*>(dialog.ControlWidget(kCellEditor));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->textCursor().position(), editor->toPlainText().size());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        auto* table = qobject_cast<QTableWidget*>(dialog.ControlWidget(kTable));
        ASSERT_NE(table, nullptr);
        QTest::mouseClick(
            &dialog, Qt::LeftButton, {},
            dialog.CellCenter(kTable, 1, 1) + QPoint(table->columnWidth(1) / 2 + 8, 0));
        EXPECT_GT(DarkPixelsAlongTopOf(dialog, *table, 1), 5)
            << "the current row's dotted rectangle";
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(5);
}

// The dialog's boxes and the desktop share one clipboard: Ctrl+C gives the desktop the copied
// text, Ctrl+V pastes the desktop's.
TEST_F(Studio, CopyAndPasteGoThroughTheDesktopClipboard) {
    constexpr int kCavityDraft = 1118;
    MainWindow window;
    QString copied;
    QString pasted;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QTest::keyClick(&dialog, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->setText(QStringLiteral("7.5"));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(kCavityDraft));
        QTest::keyClick(&dialog, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&dialog, Qt::Key_V, Qt::ControlModifier);
        pasted = qobject_cast<QLineEdit*>(dialog.ControlWidget(kCavityDraft))->text();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(kDraftAngleRow);
    EXPECT_EQ(copied, QStringLiteral("0.5"));
    EXPECT_EQ(pasted, QStringLiteral("7.5"));
}

TEST_F(Studio, TheUnitBoxesConvertAsTheUnitsCommandDoes) {
    const std::filesystem::path commanded = NewDocument("commanded.xml");
    const std::filesystem::path chosen = NewDocument("chosen.xml");
    ASSERT_EQ(RunVeritorRules(m_folder.Path(), "units commanded.xml --unit in --angle rad").status,
              0);
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(chosen));
    window.LengthUnits().setCurrentIndex(window.LengthUnits().findText(QStringLiteral("in")));
    emit window.LengthUnits().activated(window.LengthUnits().currentIndex());
    window.AngleUnits().setCurrentIndex(window.AngleUnits().findText(QStringLiteral("rad")));
    emit window.AngleUnits().activated(window.AngleUnits().currentIndex());
    ASSERT_TRUE(window.Save());
    EXPECT_EQ(ReadWholeFile(chosen), ReadWholeFile(commanded));
}

TEST_F(Studio, CancelAndTheCloseBoxLeaveTheDocumentUnchanged) {
    MainWindow window;
    for (const auto& close : std::vector<std::function<void(DialogWidget&)>>{
             [](DialogWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
             [](DialogWidget& dialog) { dialog.close(); }}) {
        window.Screen().SetShownHook([&close](DialogWidget& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Tab);
            QTest::keyClicks(&dialog, QStringLiteral("7"));
            close(dialog);
        });
        window.OpenRule(kDraftAngleRow);
        EXPECT_EQ(window.Screen().LastResult(), IDCANCEL);
        EXPECT_FALSE(window.IsModified());
    }
}

TEST_F(Studio, EnterAndADoubleClickOnARuleOpenItsDialog) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int opened = 0;
    window.Screen().SetShownHook([&opened](DialogWidget& dialog) {
        ++opened;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.Table().setFocus();
    window.Table().setCurrentIndex(window.Table().model()->index(kDraftAngleRow, 0));
    QTest::keyClick(&window.Table(), Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    const QRect cell = window.Table().visualRect(window.Table().model()->index(2, 1));
    QTest::mouseClick(window.Table().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(window.Table().viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(opened, 2);
}

TEST_F(Studio, BalloonTipsAndMessageBoxesOfTheModuleReachTheScreen) {
    constexpr int kRibRadiusRow = 4;
    constexpr int kFirstUpperBound = 2269;
    MainWindow window;
    std::vector<std::string> messages;
    window.Screen().SetMessageHook([&messages](const ShownMessage& message) {
        messages.push_back(platform::Utf8FromWide(message.text.str()));
        return IDOK;
    });
    QString balloon;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(kFirstUpperBound));
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(&dialog, Qt::Key_Delete);
            QTest::keyClick(&dialog, Qt::Key_Backspace);
        }
        QTest::keyClicks(&dialog, QStringLiteral("95"));
        const auto* bubble = dialog.findChild<QLabel*>(QStringLiteral("balloon"));
        balloon = bubble && bubble->isVisible() ? bubble->text() : QString();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(kRibRadiusRow);
    EXPECT_THAT(balloon.toStdString(), HasSubstr("90"));
    EXPECT_EQ(messages.size(), 1u) << "OK refuses a range that starts above its end";
    EXPECT_EQ(window.Screen().LastResult(), IDCANCEL);
}

TEST_F(Studio, ANewCastingDocumentHoldsEveryRuleBuiltForCasting) {
    MainWindow window;
    window.NewDocument(true);
    EXPECT_EQ(window.Table().model()->rowCount(), 13);
    EXPECT_THAT(window.Document().Text(), HasSubstr("TeskCastingRulesValidator"));
    EXPECT_THAT(window.Document().Text(), Not(HasSubstr("TeskMouldingRulesValidator")));
}

TEST_F(Studio, AUnitChangeThatRoundsValuesAwayAsksAndUndoRestoresTheOldTextExactly) {
    const std::filesystem::path file = NewDocument("small.xml");
    std::ofstream(m_folder.Path() / "thin.txt") << "focus 1084\nkey Space\ntype 1088 0.0004\nok\n";
    ASSERT_EQ(RunVeritorRules(m_folder.Path(),
                              "edit small.xml \"Mould Wall Thickness\" --script thin.txt")
                  .status,
              0);
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    const std::string before = window.Document().Text();
    constexpr std::int32_t kMetre = 2;

    Answer(window, QMessageBox::Cancel);
    window.ChangeUnits(kMetre, 0);
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("would be kept as 0.000000"));
    EXPECT_EQ(window.Document().Text(), before);
    EXPECT_EQ(window.LengthUnits().currentData().toInt(), 0);
    EXPECT_FALSE(window.IsModified());

    Answer(window, QMessageBox::Yes);
    window.ChangeUnits(kMetre, 0);
    EXPECT_EQ(window.Document().Units().linearUnit, kMetre);
    EXPECT_EQ(window.LengthUnits().currentData().toInt(), kMetre);
    window.UndoStack().undo();
    EXPECT_EQ(window.Document().Text(), before);
    EXPECT_EQ(window.LengthUnits().currentData().toInt(), 0);
    window.UndoStack().redo();
    EXPECT_EQ(window.Document().Units().linearUnit, kMetre);
}

TEST_F(Studio, UndoRedoAndSaveHaveTheirKeys) {
    const std::filesystem::path file = NewDocument("keys.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::string before = window.Document().Text();
    window.ChangeUnits(3, 0);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Document().Text(), before);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.Document().Units().linearUnit, 3);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.Document().Units().linearUnit, 3);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window.IsModified());
    EXPECT_THAT(Show(file), HasSubstr("units: in, deg"));
}

TEST_F(Studio, OpenedAndSavedDocumentsAreOfferedAsRecentFiles) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(m_folder.Path().string()));
    const std::filesystem::path first = NewDocument("first.xml");
    const std::filesystem::path second = NewDocument("second.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(first));
    ASSERT_TRUE(window.OpenFile(second));
    QMenu* recent = window.findChild<QMenu*>(QStringLiteral("recentFiles"));
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text().toStdString(), second.string());
    recent->actions()[1]->trigger();
    EXPECT_EQ(window.Document().Path(), first);
}

TEST_F(Studio, ClosingWithUnsavedChangesAsks) {
    MainWindow window;
    window.ChangeUnits(3, 0);
    Answer(window, QMessageBox::Cancel);
    EXPECT_FALSE(window.close());
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("unsaved changes"));
    Answer(window, QMessageBox::Discard);
    EXPECT_TRUE(window.close());
}

TEST_F(Studio, ADocumentChangedOnDiskIsNotOverwrittenUnasked) {
    const std::filesystem::path file = NewDocument("shared.xml");
    MainWindow window;
    ASSERT_TRUE(window.OpenFile(file));
    window.ChangeUnits(3, 0);
    ASSERT_EQ(RunVeritorRules(m_folder.Path(), "units shared.xml --angle rad").status, 0);
    const std::string theirs = ReadWholeFile(file);

    Answer(window, QMessageBox::Cancel);
    EXPECT_FALSE(window.Save());
    EXPECT_THAT(m_asked.at(0), HasSubstr("changed by someone else"));
    EXPECT_EQ(ReadWholeFile(file), theirs);

    Answer(window, QMessageBox::Yes);
    EXPECT_TRUE(window.Save());
    EXPECT_THAT(Show(file), HasSubstr("units: in, deg"));
}

TEST_F(Studio, AFileThatCannotBeReadIsReportedAndTheOpenDocumentKept) {
    MainWindow window;
    Answer(window, QMessageBox::Ok);
    std::ofstream(m_folder.Path() / "broken.xml") << "<RuleSet";
    EXPECT_FALSE(window.OpenFile(m_folder.Path() / "broken.xml"));
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_THAT(m_asked[0], HasSubstr("broken.xml"));
    EXPECT_EQ(window.Table().model()->rowCount(), 13);
}

// F1 and the caption's help button open the rule's page in a window of its own that stays
// usable, its contents and Back and Forward with it, while the dialog is still open.
TEST_F(Studio, F1AndTheHelpButtonOpenTheRulesPageInAHelpWindowUsableBesideTheDialog) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    HelpWindow* help = window.Screen().Help();
    std::vector<std::string> pages;
    bool helpButton = false;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        helpButton = dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        QTest::keyClick(&dialog, Qt::Key_F1);
        pages.push_back(help->Browser().toPlainText().toStdString());
        QListWidget& contents = help->Contents();
        const auto found = contents.findItems(QStringLiteral("Fillet Radius"), Qt::MatchExactly);
        // Through the help window's own window, as the desktop delivers a click: a window a
        // modal dialog blocks would not get it.
        if (!found.isEmpty() && QTest::qWaitForWindowExposed(help)) {
            const QPoint item = contents.visualItemRect(found[0]).center();
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              contents.viewport()->mapTo(help, item));
        }
        pages.push_back(help->Browser().toPlainText().toStdString());
        help->BackAction().trigger();
        pages.push_back(help->Browser().toPlainText().toStdString());
        help->ForwardAction().trigger();
        pages.push_back(help->Browser().toPlainText().toStdString());
        QEvent helpButtonClicked(QEvent::EnterWhatsThisMode);
        QApplication::sendEvent(&dialog, &helpButtonClicked);
        pages.push_back(help->Browser().toPlainText().toStdString());
        dialog.close();
    });
    window.OpenRule(kDraftAngleRow);
    EXPECT_TRUE(helpButton) << "the template asks for the caption's help button";
    EXPECT_TRUE(help->isWindow());
    EXPECT_TRUE(help->isVisible());
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_THAT(pages[0], HasSubstr("Draft"));
    EXPECT_THAT(pages[1], HasSubstr("Fillet"))
        << "a click in the contents while the dialog is open";
    EXPECT_EQ(pages[2], pages[0]);
    EXPECT_EQ(pages[3], pages[1]);
    EXPECT_EQ(pages[4], pages[0]);

    HelpWindow missing;
    missing.ShowTopic(QStringLiteral("/nonexistent/veritor.chm::/14102.html"));
    EXPECT_THAT(missing.Browser().toPlainText().toStdString(), HasSubstr("No help is available"));
}

TEST_F(Studio, ScreenshotCommandWritesTheDialogsPicture) {
    const std::filesystem::path file = NewDocument("parts.xml", "--unit in");
    const std::filesystem::path out = m_folder.Path() / "draft.png";
    const std::string program = std::string(VERITOR_STAGE_DIR) + "/bin/veritor-studio";
    const std::string command = "QT_QPA_PLATFORM=offscreen '" + program +
                                "' --screenshot 'Draft Angle' '" + out.string() + "' '" +
                                file.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    QImage written(QString::fromStdString(out.string()));
    std::unique_ptr<StudioDocument> document = StudioDocument::Open(file);
    EXPECT_EQ(written.size(), DialogScreenshot(*document, "Draft Angle").size());

    const std::filesystem::path window = m_folder.Path() / "window.png";
    const std::string main = "QT_QPA_PLATFORM=offscreen '" + program + "' --screenshot-window '" +
                             window.string() + "' '" + file.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(main.c_str()), 0);
    EXPECT_FALSE(QImage(QString::fromStdString(window.string())).isNull());

    const std::string unknown = "QT_QPA_PLATFORM=offscreen '" + program +
                                "' --screenshot 'No Such Rule' '" + out.string() + "' 2>/dev/null";
    EXPECT_NE(std::system(unknown.c_str()), 0);
}

}  // namespace
