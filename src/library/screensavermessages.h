#pragma once

#include <QString>

namespace gallerion {

struct XScreenSaverSystem;

// The texts of the screen-saver photo list and its installation; a line
// break is CR LF.
QString photoListHelpText();
QString removeAllQuestion();
QString allRemovedText();
QString notAllRemovedText(int remaining);
QString photoCopyFailedText(const QString &description);
QString photoRemoveFailedText(const QString &file);
QString copyPhotosFirstQuestion();

// The installation's last word: how to switch the screen saver on here. With
// the X screen saver it names its settings tool; without it, says that the
// desktop's own locker runs no such program and how to start it by hand.
QString installedText(const XScreenSaverSystem &system, const QString &program);

// " Seconds" after the delay's whole seconds.
QString intervalCaption(int delayMs);

} // namespace gallerion
