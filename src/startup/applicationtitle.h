#pragma once

#include <QString>

namespace gallerion {

// The product's title: the caption of message boxes that have no title of
// their own, and the name its settings are kept under.
inline QString applicationTitle()
{
    return QStringLiteral("The Zarvick Gallerion 2001");
}

} // namespace gallerion
