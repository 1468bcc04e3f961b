#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "studio/DialogWidget.h"
#include "studio/MainWindow.h"
#include "tests/studio/StudioTestSupport.h"

namespace {

constexpr int kRibHeightRow = 5;
constexpr int kTable = 2257;
constexpr int kEditor = 1172;

// Down past the last row shown scrolls the table with the editor; the wheel and the scroll bar
// scroll it through the window system, the editor moving with its cell; neither the rows nor the
// editor ever draw outside the table.
TEST(TableOnScreen, ScrollsWithItsEditorAndDrawsNothingOutsideItself) {
    MainWindow window;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        QScrollBar* bar = dialog.ListScrollBar(kTable);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->isVisibleTo(&dialog)) << "261 rows do not fit";
        const QRect table = dialog.ControlWidget(kTable)->geometry();
        const QRect below(0, table.bottom() + 1, dialog.width(), table.height() / 4);
        const QImage before = dialog.grab(below).toImage();

        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.CellCenter(kTable, 12, 0));
        QTest::keyClicks(&dialog, QStringLiteral("05"));
        const auto* typing = qobject_cast<QPlainTextEdit*>(dialog.ControlWidget(kEditor));
        ASSERT_NE(typing, nullptr);
        EXPECT_EQ(typing->textCursor().position(), 2) << "the caret is where text goes in";
        QTest::keyClick(&dialog, Qt::Key_Down);
        EXPECT_EQ(bar->value(), 1) << "the first row shown follows the editor";
        QWidget* editor = dialog.ControlWidget(kEditor);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(table.contains(editor->mapTo(&dialog, editor->rect().center())));
        EXPECT_EQ(dialog.grab(below).toImage(), before);
        studiotest::TurnWheel(dialog, kTable, -1);
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(dialog.grab(below).toImage(), before) << "the editor's row is cut off below";

        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() * 3 / 4));
        EXPECT_EQ(bar->value(), 13) << "a page of 13 rows";
        EXPECT_EQ(dialog.grab(below).toImage(), before) << "the editor moved out of sight";
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.grab(below).toImage(), before);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(kRibHeightRow);
    EXPECT_EQ(window.Screen().LastResult(), IDCANCEL);
}

bool CellShowsWhole(QTableWidget& table, int line, int column) {
    return table.viewport()->rect().contains(table.visualItemRect(table.item(line, column)));
}

// The vertical scroll bar lies beside the rows and covers no cell: both columns show whole,
// with room beside them to click a row, and the columns need no horizontal bar.
TEST(TableOnScreen, TheScrollBarCoversNoCellAndBothColumnsShowWhole) {
    MainWindow window;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        auto* table = qobject_cast<QTableWidget*>(dialog.ControlWidget(kTable));
        QScrollBar* vertical = dialog.ListScrollBar(kTable, Qt::Vertical);
        QScrollBar* horizontal = dialog.ListScrollBar(kTable, Qt::Horizontal);
        ASSERT_TRUE(table && vertical && horizontal);
        EXPECT_TRUE(vertical->isVisibleTo(&dialog));
        EXPECT_FALSE(horizontal->isVisibleTo(&dialog));
        EXPECT_FALSE(vertical->geometry().intersects(table->geometry()));
        EXPECT_TRUE(CellShowsWhole(*table, 0, 0));
        EXPECT_TRUE(CellShowsWhole(*table, 0, 1));
        EXPECT_LT(table->visualItemRect(table->item(0, 1)).right(),
                  table->viewport()->rect().right() - 8)
            << "room beside the cells";
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window.OpenRule(kRibHeightRow);
    EXPECT_EQ(window.Screen().LastResult(), IDCANCEL);
}

}  // namespace
