#pragma once

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <string>

#include "studio/DialogWidget.h"
#include "testing/TemporaryFolder.h"
#include "tests/cli/CommandRunner.h"

namespace studiotest {

// Turns the mouse wheel over the dialog's control, notches towards the person.
inline void TurnWheel(DialogWidget& dialog, int id, int notches) {
    constexpr int kNotch = 120;
    const QPointF at(dialog.ControlCenter(id));
    QWheelEvent wheel(at, dialog.mapToGlobal(at), QPoint(), QPoint(0, -notches * kNotch),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&dialog, &wheel);
}

// Raises the draft angle dialog's core-side draft to "> 1.5" as a person does, and as the edit
// script "key Tab, type 1113 1.5, choose 1111 >, ok" does: Tab from the operator list (where the
// dialog opens) to the draft box, whose text is then selected; type over it; drag the operator
// list open onto ">"; click OK.
inline void RaiseCoreDraft(DialogWidget& dialog) {
    constexpr int kCoreOperator = 1111;
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClicks(&dialog, QStringLiteral("1.5"));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(kCoreOperator));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, dialog.DroppedItemCenter(kCoreOperator, 0));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.ControlCenter(IDOK));
}

}  // namespace studiotest
