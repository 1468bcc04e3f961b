#include <QApplication>
#include <QStringList>
#include <QStyleFactory>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "studio/MainWindow.h"
#include "studio/PartScreenshot.h"
#include "studio/Screenshot.h"
#include "studio/StudioLanguage.h"

namespace {

constexpr const char* kUsage =
    "usage: veritor-studio [FILE]\n"
    "       veritor-studio --screenshot RULE OUT.png [FILE]\n"
    "       veritor-studio --screenshot-window OUT.png [FILE]\n"
    "       veritor-studio --screenshot-part PART RULES.xml OUT.png [--pull X,Y,Z] "
    "[--part-units U] [--view V]\n"
    "       veritor-studio --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Opens the rule document FILE, or a new moulding document, in the desktop editor.\n"
    "--screenshot writes the picture of the rule's dialog, --screenshot-window that of the main\n"
    "window; both need no display. --screenshot-part checks the part and writes its coloured\n"
    "view, under a virtual X server when there is no display.\n";

bool HasEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// The pictures need no screen: without a display, and unless told otherwise, they are drawn on
// Qt's offscreen platform rather than refused for want of one.
void DrawOffscreenWithoutDisplay(int argc, char* argv[]) {
    const bool picture = argc > 1 && (std::strcmp(argv[1], "--screenshot") == 0 ||
                                      std::strcmp(argv[1], "--screenshot-window") == 0);
    if (picture && !HasEnvironment("DISPLAY") && !HasEnvironment("WAYLAND_DISPLAY") &&
        !HasEnvironment("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

std::optional<std::filesystem::path> OptionalFile(const QStringList& arguments, int at) {
    return arguments.size() > at ? std::optional(std::filesystem::path(arguments[at].toStdString()))
                                 : std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they work where no window system is.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage << kHelp;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "veritor-studio " << VERITOR_VERSION << "\n";
        return 0;
    }
    DrawOffscreenWithoutDisplay(argc, argv);
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
    QApplication::setDesktopFileName(QStringLiteral("invalid.veritor.Studio"));
    SpeakTheModulesLanguage();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.front() == QStringLiteral("--screenshot")) {
        if (arguments.size() < 3 || arguments.size() > 4) {
            std::cerr << kUsage;
            return 2;
        }
        UseSteadyAppearance();
        return WriteDialogScreenshot(arguments[1].toStdString(), arguments[2].toStdString(),
                                     OptionalFile(arguments, 3));
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
        return WriteWindowScreenshot(arguments[1].toStdString(), OptionalFile(arguments, 2));
    }
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.front().startsWith(u'-'))) {
        std::cerr << kUsage;
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MainWindow window;
    window.RestoreLayout();
    if (!arguments.isEmpty()) {
        window.OpenFile(arguments.front().toStdString());
    }
    window.show();
    return QApplication::exec();
}
