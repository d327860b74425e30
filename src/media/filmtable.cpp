#include "media/filmtable.h"

#include "catalogue/contentpaths.h"
#include "platform/filesystem.h"

namespace gallerion {

const std::array<Film, FilmCount> &filmTable()
{
    static const std::array<Film, FilmCount> films{{
        {QLatin1String("The Original"), QLatin1String("ComingApril17.avi"),
         QLatin1String("Zarvick Movies - Coming, April 17, 1964")},
        {QLatin1String("Fizz to Liz"), QLatin1String("TheUnexpected.avi"),
         QLatin1String("Zarvick Movies - The Unexpected")},
        {QLatin1String("The Cool One"), QLatin1String("65-2+2.avi"),
         QLatin1String("Zarvick Movies - 1965 2+2 Fastback")},
        {QLatin1String("GT/CS"), QLatin1String("GTCS.avi"),
         QLatin1String("Zarvick Movies - GT/CS California Special")},
        {QLatin1String("Unbelievable"), QLatin1String("1968.avi"),
         QLatin1String("Zarvick Movies - 1968 Commercial")},
        {QLatin1String("1999 Zarvick"), QLatin1String("The1999Zarvick.avi"),
         QLatin1String("Zarvick Movies - The 1999 Zarvick")},
    }};
    return films;
}

QString chooseMovieDir(const FileSystem &files, const QString &programDir, const QString &discRoot)
{
    const QString root = files.list(moviePattern(programDir)).isEmpty() ? discRoot : programDir;
    return contentPath(root, ContentDir::Movies, QString());
}

} // namespace gallerion
