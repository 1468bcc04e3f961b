#include <QApplication>
#include <QStringList>
#include <QStyleFactory>
#include <iostream>
#include <string_view>

#include "studio/MainWindow.h"
#include "studio/PartScreenshot.h"
#include "studio/Screenshot.h"

namespace {

constexpr const char* kUsage =
    "usage: veritor-studio [FILE]\n"
    "       veritor-studio --screenshot RULE OUT.png [FILE]\n"
    "       veritor-studio --screenshot-window OUT.png [FILE]\n"
    "       veritor-studio --screenshot-part PART RULES.xml OUT.png [--pull X,Y,Z] "
    "[--part-units U] [--view V]\n";

}  // namespace

int main(int argc, char* argv[]) {
    const bool partPicture = argc > 1 && std::string_view(argv[1]) == "--screenshot-part";
    if (partPicture) {
        // The part view draws with OpenGL on an X display, a virtual one when there is none.
        if (const std::optional<int> status = RunUnderVirtualDisplay(argc, argv)) {
            return *status;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veritor"));
    QApplication::setApplicationName(QStringLiteral("veritor-studio"));
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.front() == QStringLiteral("--screenshot")) {
        if (arguments.size() < 3 || arguments.size() > 4) {
            std::cerr << kUsage;
            return 2;
        }
        UseSteadyAppearance();
        return WriteDialogScreenshot(
            arguments[1].toStdString(), arguments[2].toStdString(),
            arguments.size() == 4 ? std::optional(std::filesystem::path(arguments[3].toStdString()))
                                  : std::nullopt);
    }
    if (partPicture) {
        UseSteadyAppearance();
        return WritePartScreenshot(arguments.mid(1));
    }
    if (!arguments.isEmpty() && arguments.front() == QStringLiteral("--screenshot-window")) {
        if (arguments.size() < 2 || arguments.size() > 3) {
            std::cerr << kUsage;
            return 2;
        }
        UseSteadyAppearance();
        return WriteWindowScreenshot(
            arguments[1].toStdString(),
            arguments.size() == 3 ? std::optional(std::filesystem::path(arguments[2].toStdString()))
                                  : std::nullopt);
    }
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.front().startsWith(u'-'))) {
        std::cerr << kUsage;
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MainWindow window;
    if (!arguments.isEmpty()) {
        window.OpenFile(arguments.front().toStdString());
    }
    window.show();
    return QApplication::exec();
}
