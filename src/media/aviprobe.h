#pragma once

#include <QByteArray>

class QIODevice;

namespace gallerion {

// What the header of a film file says before any decoder sees it, so that a damaged
// file is told apart from one that needs a decoder this system lacks.
struct AviProbe
{
    enum class Verdict
    {
        Intact,
        Empty,     // 0 bytes
        NotAvi,    // no RIFF AVI header: random bytes, another format
        Truncated, // the file is shorter than its header says, or its header is cut off
        AudioOnly, // no video stream
    };
    Verdict verdict = Verdict::NotAvi;
    // The video stream's compression as four characters ("cvid", "IV50"), when known.
    QByteArray codec;
};

// Reads at most the first megabyte of a device open for reading.
AviProbe probeAvi(QIODevice &device);

} // namespace gallerion
