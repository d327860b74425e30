#include "utilities/aboutplacement.h"

#include <algorithm>

namespace gallerion {

QPoint aboutBoxPosition(const QSize &mainWindow, const QSize &own, const QRect &screen)
{
    const int left = (mainWindow.width() - own.width()) / 2;
    const int top = (mainWindow.height() - own.height()) / 2;
    // A box larger than the screen keeps its top left corner on it.
    const int right = std::max(screen.left(), screen.left() + screen.width() - own.width());
    const int bottom = std::max(screen.top(), screen.top() + screen.height() - own.height());
    return {std::clamp(left, screen.left(), right), std::clamp(top, screen.top(), bottom)};
}

} // namespace gallerion
