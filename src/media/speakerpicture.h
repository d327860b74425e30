#pragma once

#include <QIcon>
#include <QPixmap>

namespace gallerion {

// The sound panel's picture (Picture5): a loudspeaker sending out sound.
QPixmap speakerPicture();
// The same loudspeaker, small, for the play buttons.
QIcon speakerIcon();

} // namespace gallerion
