#include "startup/applicationversion.h"

namespace gallerion {

QString applicationVersion()
{
    return QStringLiteral(GALLERION_VERSION);
}

} // namespace gallerion
