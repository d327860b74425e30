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

// The drive letters searched, in order; A to C are never searched.
inline const char *const DriveSearchOrder = "DEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace gallerion
