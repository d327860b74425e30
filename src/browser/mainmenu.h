#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QObject;

namespace gallerion {

// Builds the main window's whole menu tree. Every entry is a QAction named as
// the program names it ("mnuBooks", "mnuMag(4)"); look them up by name.
void buildMainMenu(QMenuBar *bar);

// Looking an entry up to give it a handler marks it as built.
QAction *findMenuAction(const QObject *window, const QString &name);

// Entries that nothing gave a handler do nothing, so the user cannot choose them.
void disableUnbuiltEntries(const QObject *window);

// The collection captions of the "Specialty", "Zarvick Stuff" and "Artwork"
// entries, by object name ("mnuSpecial(2)"); empty for any other entry.
QString collectionCaptionOfMenu(const QString &actionName);

} // namespace gallerion
