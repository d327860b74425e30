#pragma once

#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace gallerion {

class Platform;
class ProgramState;

// How the main window finds a menu entry by its name ("mnuBooks"). The main
// window may pass its own look-up, which also records that the entry got a
// handler; by default the entry is found among the window's children.
using MenuEntryLookup = std::function<QAction *(const QString &name)>;

// Connects every document entry of the main window's menus to opening its
// document. The entries that are never available keep their switched-off state.
void installDocumentMenus(QWidget *mainWindow, ProgramState &state, Platform &platform,
                          const MenuEntryLookup &findEntry = {});

} // namespace gallerion
