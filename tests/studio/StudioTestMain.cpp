#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "studio/Screenshot.h"
#include "studio/StudioLanguage.h"

// The tests drive Qt widgets, which need one application object for the whole run. The style
// and the caret are fixed so that every machine draws the same pictures.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    // Recent files and other settings go to a folder of the run's, never the developer's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    UseSteadyAppearance();
    SpeakTheModulesLanguage();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
