#pragma once

#include <QSize>

class QWindow;

namespace gallerion {

// The size in pixels of another program's window that ours lies in; empty
// once that window is gone.
QSize hostWindowSize(const QWindow &host);

} // namespace gallerion
