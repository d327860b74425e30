#pragma once

#include "contents.h"

#include <QByteArray>
#include <QImage>
#include <QList>

namespace sampledisc {

constexpr int movieFramesPerSecond = 10;
constexpr int movieFrameCount = 30;
constexpr int movieAudioRate = 22050;

// One frame of the film: the car drives across the picture under the film's title.
QImage drawMovieFrame(const DiscFile &file, int frame);

// An interleaved AVI: MJPG video frames, 16-bit mono PCM sound in one chunk per frame, and an
// idx1 index.
QByteArray aviFile(const QList<QByteArray> &jpegFrames, const QList<qint16> &sound, QSize size);

QByteArray movieFile(const DiscFile &file);

} // namespace sampledisc
