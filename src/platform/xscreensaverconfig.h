#pragma once

#include <QString>

namespace gallerion {

// One program of the X screen saver's list: the name its settings show, the
// program and the arguments it runs with.
struct XScreenSaverEntry
{
    QString name;
    QString program;
    QString arguments;
};

// The text of an X screen-saver settings file with the entry in its programs
// list: an entry that already runs the same program is brought up to date in
// place, else the entry goes after the last one, so that the user's choice,
// which counts entries from the top, still names the same program. A file
// without a programs list gets the system's default list first, since a list
// of ours alone would hide every other program. Other lines stay as they are.
QString withXScreenSaverEntry(const QString &config, const QString &defaultPrograms,
                              const XScreenSaverEntry &entry);

// The value of the programs list in an X resource file ("*programs:"), as it
// would stand in a settings file; empty when the file has none.
QString programsResource(const QString &resources);

// Adds the entry to the file (created when missing), keeping a copy of the
// earlier file beside it as "<file>.bak". Nothing is written when the file
// already holds the entry. False with the reason when the file cannot be
// read or written.
bool registerWithXScreenSaver(const QString &configPath, const QString &appDefaultsPath,
                              const XScreenSaverEntry &entry, QString *error);

} // namespace gallerion
