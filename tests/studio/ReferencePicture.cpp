#include "tests/studio/ReferencePicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

bool Differs(QRgb a, QRgb b, int channel) {
    return std::abs(qRed(a) - qRed(b)) > channel || std::abs(qGreen(a) - qGreen(b)) > channel ||
           std::abs(qBlue(a) - qBlue(b)) > channel;
}

// The share of pixels that differ; 1 for pictures of different sizes.
double DifferingShare(const QImage& actual, const QImage& reference, int channel) {
    if (actual.size() != reference.size()) {
        return 1;
    }
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += Differs(a.pixel(x, y), b.pixel(x, y), channel) ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

}  // namespace

void ExpectLikeReference(const QImage& actual, const std::string& fileName,
                         PictureTolerance tolerance) {
    ASSERT_FALSE(actual.isNull()) << fileName;
    const std::filesystem::path reference = std::filesystem::path(VERITOR_REFERENCE_DIR) / fileName;
    if (std::getenv("VERITOR_UPDATE_REFERENCES")) {
        ASSERT_TRUE(actual.save(QString::fromStdString(reference.string()), "PNG"));
        return;
    }
    const QImage expected(QString::fromStdString(reference.string()));
    const double share =
        expected.isNull() ? 1 : DifferingShare(actual, expected, tolerance.channel);
    if (share > tolerance.share) {
        const std::filesystem::path out = VERITOR_SCREENSHOT_OUT;
        std::filesystem::create_directories(out);
        actual.save(QString::fromStdString((out / ("actual-" + fileName)).string()));
        expected.save(QString::fromStdString((out / ("reference-" + fileName)).string()));
        ADD_FAILURE() << fileName << ": " << share * 100 << "% of the pixels differ from "
                      << reference << "; both pictures are in " << out;
    }
}
