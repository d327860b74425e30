#pragma once

#include <QString>

namespace gallerion {

// A photo of the list that another window hands back to the main window: the
// main window opens its entry under this caption with the photo on view, as
// though its own steps had reached it.
struct PhotoHandBack
{
    int index = 0; // in the photo list, 1-based
    QString caption;
    bool asCollection = false; // buttons as OpenCollection leaves them
    QString statsCaption;      // cmdStats
    int focusYearButton = 1;
    int selectedYearButton = 0;
};

} // namespace gallerion
