#pragma once

#include "startup/menuentry.h"

#include <QLatin1String>
#include <QString>

#include <span>

namespace gallerion {

// One document of the main window's menus: the menu entry that opens it, the
// path appended to DiscRoot, the viewer's caption and the code reported when
// the file cannot be shown. Paths and titles are used exactly as written,
// blanks included.
struct DocumentRow
{
    MenuEntry menu;
    QLatin1String path;
    QLatin1String title;
    QLatin1String errorCode;
    bool bringToFront; // miscellaneous, magazines and press releases
};

std::span<const DocumentRow> documentTable();

// The row opened by a menu entry ("mnuMag(2)"); null for any other entry.
const DocumentRow *documentRowOfMenu(const QString &menuName);

} // namespace gallerion
