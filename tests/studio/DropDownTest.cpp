#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QScreen>

#include "document/RuleCatalogue.h"
#include "studio/MainWindow.h"
#include "tests/studio/ScreenPerson.h"

// Every item of every drop-down list of every dialog, reached and chosen with the mouse alone: a
// click on the box, the scroll bar's arrows where the list is shorter than its items, a click on
// the item. The list is a window of its own, so no edge of the dialog cuts it off.
namespace {

struct Unreached {
    int row;
    int combo;
    QString item;
};

TEST(DropDownLists, EveryItemOfEveryListIsChosenWithTheMouseAlone) {
    MainWindow window;
    std::vector<Unreached> unreached;
    int chosen = 0;
    int row = 0;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
            const int id = box->objectName().toInt();
            if (!box->isVisible() || !box->isEnabled()) {
                continue;
            }
            for (int index = 0; index < box->count(); ++index) {
                const bool done = studiotest::ChooseByClicks(dialog, id, index);
                if (done && box->currentIndex() == index) {
                    ++chosen;
                } else {
                    unreached.push_back({row, id, box->itemText(index)});
                }
            }
        }
        dialog.close();
    });
    for (row = 0; row < static_cast<int>(RuleCatalogue().size()); ++row) {
        window.OpenRule(row);
    }
    for (const Unreached& missed : unreached) {
        ADD_FAILURE() << "rule row " << missed.row << ", list " << missed.combo << ": \""
                      << missed.item.toStdString() << "\" not chosen";
    }
    EXPECT_GT(chosen, 13 * 5) << "every dialog has a severity list of five";
}

// A list that would leave the screen below its box opens above it, still whole on the screen.
TEST(DropDownLists, AListNearTheScreensBottomOpensAboveItsBox) {
    constexpr int kSeverity = 1121;
    MainWindow window;
    QRect listArea;
    QRect boxArea;
    QRect screenArea;
    bool chosen = false;
    window.Screen().SetShownHook([&](DialogWidget& dialog) {
        screenArea = dialog.screen()->availableGeometry();
        dialog.move(dialog.x(), screenArea.bottom() - dialog.frameGeometry().height());
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(kSeverity));
        if (QWidget* list = dialog.DroppedList()) {
            listArea = list->geometry();
            boxArea = QRect(dialog.mapToGlobal(dialog.ControlWidget(kSeverity)->pos()),
                            dialog.ControlWidget(kSeverity)->size());
        }
        const QPoint veryHigh = dialog.DroppedItemCenter(kSeverity, 4);
        studiotest::ClickOnScreen(dialog, veryHigh);
        chosen = !veryHigh.isNull() &&
                 qobject_cast<QComboBox*>(dialog.ControlWidget(kSeverity))->currentIndex() == 4;
        dialog.close();
    });
    window.OpenRule(0);
    ASSERT_FALSE(listArea.isEmpty());
    EXPECT_LE(listArea.bottom(), boxArea.top());
    EXPECT_TRUE(screenArea.contains(listArea));
    EXPECT_TRUE(chosen);
}

}  // namespace
