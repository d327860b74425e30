#include "startup/screensaverlistclose.h"

#include <QApplication>
#include <QWidget>

namespace gallerion {

void closeScreenSaverList()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == ScreenSaverListName)
            window->close();
    }
}

} // namespace gallerion
