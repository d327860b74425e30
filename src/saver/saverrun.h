#pragma once

namespace gallerion {

// The whole screen-saver program: reads the settings the viewer's
// installation wrote and shows the photos until it is ended. Uses the
// QApplication that exists or makes one; returns the exit code.
int runScreenSaver(int argc, char **argv);

} // namespace gallerion
