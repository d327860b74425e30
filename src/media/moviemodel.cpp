#include "media/moviemodel.h"

#include "catalogue/photolist.h"
#include "media/filmtable.h"

namespace gallerion {

void MovieModel::refresh(const FileSystem &files, const QString &programDir,
                         const QString &discRoot)
{
    const MovieListData listed = BuildMovieList(files, discRoot);
    const QString dir = chooseMovieDir(files, programDir, discRoot);
    if (listed.names == m_list && listed.count == m_count && dir == m_dir)
        return;
    m_list = listed.names;
    m_count = listed.count;
    m_dir = dir;
    emit moviesChanged();
}

} // namespace gallerion
