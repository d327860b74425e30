#pragma once

#include "startup/photohandback.h"

namespace gallerion {

// What the main window is given when the slide show hands back slide `index`
// under its caption: the panel buttons and the year button with the keyboard
// follow the kind of entry.
PhotoHandBack slideHandBack(const QString &caption, int index);

} // namespace gallerion
