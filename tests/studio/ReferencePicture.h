#pragma once

#include <QImage>
#include <string>

// How far a picture may stray from its reference: a pixel differs when a channel is further
// off than channel, and at most share of the pixels may differ.
struct PictureTolerance {
    int channel;
    double share;
};

// Compares the picture with tests/studio/reference/fileName. A failure writes both pictures into
// the build's studio-screenshots folder; VERITOR_UPDATE_REFERENCES=1 writes the picture as the
// new reference after a wanted change of look.
void ExpectLikeReference(const QImage& actual, const std::string& fileName,
                         PictureTolerance tolerance);
