#pragma once

#include <QString>

namespace gallerion {

class FileSystem;

struct ContentRoots
{
    QString discRoot;
    QString photoRoot;
    bool found() const { return !discRoot.isEmpty(); }
};

// Looks for the content disc on the drives D to Z, the first one holding
// photos wins. Photos copied into the program directory make it the photo root,
// but the disc itself is still required.
ContentRoots searchContent(const FileSystem &files, const QString &programDir);

// Tells a user who has no disc where it was looked for and how to name one:
// the folder of every drive searched, or the folders where drives come from.
QString missingDiscHint(const FileSystem &files);

// The drive letters searched, in order; A to C are never searched.
inline const char *const DriveSearchOrder = "DEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace gallerion
