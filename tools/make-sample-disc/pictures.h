#pragma once

#include "contents.h"

#include <QByteArray>
#include <QImage>

namespace sampledisc {

// The photo scene: landscape, car, the entry's caption and the photo's number in large type.
QImage drawPhoto(const DiscFile &file);

// Clip art, emblems, script lettering, advertisements and the booklet artwork.
QImage drawArtwork(const DiscFile &file);

// The encoded file of any picture kind, in the format its extension names.
QByteArray pictureFile(const DiscFile &file);

} // namespace sampledisc
