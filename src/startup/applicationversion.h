#pragma once

#include <QString>

namespace gallerion {

// The program's version, as the build gives it ("1.0").
QString applicationVersion();

} // namespace gallerion
