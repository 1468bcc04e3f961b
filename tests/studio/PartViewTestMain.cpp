#include <gtest/gtest.h>

#include <QApplication>

#include "studio/Screenshot.h"

// The part view draws with OpenGL on an X display: ctest runs these tests under a virtual X
// server. Without a display Qt runs offscreen, where the view cannot start and the tests say so
// as they skip.
int main(int argc, char* argv[]) {
    const char* display = std::getenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", display && *display ? "xcb" : "offscreen");
    QApplication application(argc, argv);
    UseSteadyAppearance();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
