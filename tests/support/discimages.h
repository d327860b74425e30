#pragma once

#include <QString>

namespace gallerion::test {

// Images of a folder as the tests read them, made with xorriso.
enum class IsoNames
{
    JolietRockRidge,
    Level1
};

// The xorriso program, or empty when it is not installed.
QString xorrisoProgram();
// Missing xorriso skips a test, but fails it under CI, where it must be there.
#define GALLERION_REQUIRE_XORRISO()                                                                \
    do {                                                                                           \
        if (gallerion::test::xorrisoProgram().isEmpty()) {                                         \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                               \
                QFAIL("xorriso is not installed");                                                 \
            QSKIP("xorriso is not installed");                                                     \
        }                                                                                          \
    } while (false)

// Writes an ISO image of the folder; an empty text on success, else what went wrong.
QString makeIso(const QString &folder, const QString &image, IsoNames names);

// Rewrites an ISO image as raw 2352-byte sectors (Mode 1, or Mode 2 form 1)
// with a CUE sheet beside it that names the BIN.
QString makeRawBin(const QString &iso, const QString &bin, const QString &cue, int mode = 1);

// A copy of the image cut after this many bytes.
QString truncateImage(const QString &image, const QString &copy, qint64 bytes);

// A copy of the image whose first subdirectory of the root points back at the root.
QString loopImage(const QString &image, const QString &copy);

} // namespace gallerion::test
