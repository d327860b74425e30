#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace gallerion {

class FileSystem;

// Lists are 1-based in the program's arithmetic: element i is list[i - 1], and
// the element after the last one is empty and ends every scan.

// Counters and indices are 16-bit, and the terminator needs the last index.
inline constexpr int MaxListCount = 32766;

struct PhotoListData
{
    QStringList paths;   // PhotoList: PhotoRoot + "\zarvicks\" + NAME, then ""
    QStringList numbers; // PhotoNumbers: position within the entry, then ""
    int count = 0;       // PhotoCount
    bool failed = false; // more than MaxListCount photos: the caller reports ER037
};

struct MovieListData
{
    QStringList names;   // MovieList: file names as listed, then ""
    int count = 0;       // MovieCount
    bool failed = false; // more than MaxListCount movies: the caller reports ER055
};

// Lists, sorts and numbers every photo below the photo root.
PhotoListData BuildPhotoList(const FileSystem &files, const QString &photoRoot);
// The same from file names already listed (in any order).
PhotoListData photoListFromNames(QStringList names, const QString &photoRoot);

MovieListData BuildMovieList(const FileSystem &files, const QString &discRoot);

// Upper case, one character for one, so that the name keeps its length and
// still finds its file without regard to case.
QString upperCasedName(const QString &name);

// 1-based position of "\zarvicks\" in PhotoList(1); 0 when there is none.
int CodePosition(const QStringList &photoList);
// The entry code of a list element, and the 12 characters shown as its name.
QString entryCodeAt(const QString &element, int codePosition);
QString fileNameText(const QString &element, int codePosition);

// Index of the entry's first photo, or 0 when it has none.
int FindFirstPhoto(const QStringList &photoList, int photoCount, int codePosition,
                   const QString &entryCode);

struct PhotoCursor
{
    int currentIndex = 0; // CurrentPhotoIndex
    bool entryJustOpened = false;
    bool lastStepForward = false;
    bool lastStepBack = false;

    bool operator==(const PhotoCursor &) const = default;
};

struct PhotoStep
{
    PhotoCursor cursor;
    int shownIndex = 0; // the photo to show
};

// The arithmetic of ShowNextPhoto and ShowPreviousPhoto. Both wrap around
// within the entry; nullopt when the entry has no photo, and then nothing
// changes.
std::optional<PhotoStep> stepToNextPhoto(const QStringList &photoList, int photoCount,
                                         int codePosition, const QString &entryCode,
                                         PhotoCursor cursor);
std::optional<PhotoStep> stepToPreviousPhoto(const QStringList &photoList, int photoCount,
                                             int codePosition, const QString &entryCode,
                                             PhotoCursor cursor);

} // namespace gallerion
