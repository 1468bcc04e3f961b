#pragma once

#include <QComboBox>
#include <QTest>

#include "studio/DialogWidget.h"

// A person's mouse on the dialogs on screen: clicks land on whichever window lies under the point,
// the dialog or its dropped list.
namespace studiotest {

// Clicks the point, given in the dialog's coordinates as DialogWidget's points are.
inline void ClickOnScreen(DialogWidget& dialog, QPoint point) {
    const QPoint global = dialog.mapToGlobal(point);
    QWidget* list = dialog.DroppedList();
    if (list && list->geometry().contains(global)) {
        QTest::mouseClick(list, Qt::LeftButton, {}, list->mapFromGlobal(global));
    } else {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, point);
    }
}

// Click the box, scroll its list with the scroll bar's arrows until the item shows (down first,
// then up), click the item. False when the list does not open or never shows the item.
inline bool ChooseByClicks(DialogWidget& dialog, int comboId, int index) {
    const auto* box = qobject_cast<QComboBox*>(dialog.ControlWidget(comboId));
    ClickOnScreen(dialog, dialog.ControlCenter(comboId));
    if (!box || !dialog.DroppedList()) {
        return false;
    }
    for (const bool down : {true, false}) {
        for (int clicks = 0;
             clicks < box->count() && dialog.DroppedItemCenter(comboId, index).isNull(); ++clicks) {
            ClickOnScreen(dialog, dialog.DroppedArrowCenter(comboId, down));
        }
    }
    const QPoint item = dialog.DroppedItemCenter(comboId, index);
    if (item.isNull()) {
        return false;
    }
    ClickOnScreen(dialog, item);
    return !dialog.DroppedList();
}

}  // namespace studiotest
