#pragma once

namespace gallerion {

// The whole program: start-up, the main window and everything opened from it.
// Uses the QApplication that exists or makes one; returns when the program
// ends, with every window it made deleted.
int run(int argc, char **argv);

} // namespace gallerion
