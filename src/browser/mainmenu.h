#pragma once

#include "startup/menuentry.h"

#include <QString>

#include <array>
#include <optional>

class QAction;
class QMenuBar;

namespace gallerion {

// The main window's menu entries by key.
using MenuActions = std::array<QAction *, MenuEntryCount>;

// Builds the main window's whole menu tree. Every entry is a QAction named as
// the program names it ("mnuBooks", "mnuMag(4)"); entries that are never
// available are built switched off.
MenuActions buildMainMenu(QMenuBar *bar);

// The collection captions of the "Specialty", "Zarvick Stuff" and "Artwork"
// entries; nothing for any other entry.
std::optional<QString> collectionCaptionOfMenu(MenuEntry entry);

} // namespace gallerion
