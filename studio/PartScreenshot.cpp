#include "studio/PartScreenshot.h"

#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QWindow>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "check/PartChecker.h"
#include "check/PullDirection.h"
#include "document/UnitCodes.h"
#include "studio/PartView.h"
#include "studio/PartViewPanel.h"

namespace {

constexpr const char* kUsage =
    "usage: veritor-studio --screenshot-part PART RULES.xml OUT.png [--pull X,Y,Z] "
    "[--part-units U] [--view corner|below|along|against|front|side]\n";
const QSize kPictureSize(960, 720);

const std::pair<const char*, PartView::Direction> kViews[] = {
    {"corner", PartView::Direction::Corner},    {"below", PartView::Direction::CornerBelow},
    {"along", PartView::Direction::AlongPull},  {"against", PartView::Direction::AgainstPull},
    {"front", PartView::Direction::AcrossPull}, {"side", PartView::Direction::AcrossPullSide}};

struct PartScreenshotOptions {
    QStringList files;  // part, rule document, picture
    check::CheckOptions checking;
    PartView::Direction view = PartView::Direction::Corner;
};

std::optional<PartView::Direction> ViewNamed(const QString& name) {
    for (const auto& [text, direction] : kViews) {
        if (name == QLatin1String(text)) {
            return direction;
        }
    }
    return std::nullopt;
}

// Nothing, with the usage or the problem on standard error, when the arguments do not do.
std::optional<PartScreenshotOptions> ParseOptions(const QStringList& arguments) {
    PartScreenshotOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QStringLiteral("--pull") && hasValue) {
            const auto pull = check::ParsePullDirection(arguments[++i].toStdString());
            if (!pull) {
                std::cerr << "--pull: give the direction as X,Y,Z, not all zero\n";
                return std::nullopt;
            }
            options.checking.pull = *pull;
        } else if (argument == QStringLiteral("--part-units") && hasValue) {
            options.checking.partUnit = ParseLinearUnit(arguments[++i].toStdString());
            if (!options.checking.partUnit) {
                std::cerr << "--part-units: use mm, cm, m, in, ft, ... or 0 to 10\n";
                return std::nullopt;
            }
        } else if (argument == QStringLiteral("--view") && hasValue) {
            const std::optional<PartView::Direction> view = ViewNamed(arguments[++i]);
            if (!view) {
                std::cerr << "--view: use corner, below, along, against, front or side\n";
                return std::nullopt;
            }
            options.view = *view;
        } else if (argument.startsWith(u'-')) {
            std::cerr << kUsage;
            return std::nullopt;
        } else {
            options.files << argument;
        }
    }
    if (options.files.size() != 3) {
        std::cerr << kUsage;
        return std::nullopt;
    }
    return options;
}

}  // namespace

int WritePartScreenshot(const QStringList& arguments) {
    const std::optional<PartScreenshotOptions> options = ParseOptions(arguments);
    if (!options) {
        return 2;
    }
    check::CheckReport report;
    try {
        report = check::PartChecker(options->checking)
                     .Check(options->files[0].toStdString(), options->files[1].toStdString());
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    PartViewPanel panel;
    panel.resize(kPictureSize);
    panel.show();
    if (!panel.View().Unavailable().isEmpty()) {
        std::cerr << panel.View().Unavailable().toStdString() << '\n';
        return 2;
    }
    while (!panel.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    panel.Show(report);
    panel.View().LookFrom(options->view);
    const QImage picture = panel.Picture(kPictureSize);
    if (picture.isNull() || !picture.save(options->files[2], "PNG")) {
        std::cerr << options->files[2].toStdString() << ": could not write the picture\n";
        return 2;
    }
    return 0;
}

std::optional<int> RunUnderVirtualDisplay(int argc, char* argv[]) {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        return std::nullopt;
    }
    std::vector<char*> command{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                               const_cast<char*>("-s"),
                               const_cast<char*>("-screen 0 1280x1024x24")};
    command.insert(command.end(), argv, argv + argc);
    command.push_back(nullptr);
    ::execvp(command[0], command.data());
    std::cerr << "veritor-studio: no X display, and xvfb-run (Debian's xvfb) could not start "
                 "one: "
              << std::strerror(errno) << '\n';
    return 2;
}
