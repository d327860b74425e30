#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace gallerion {

class FileSystem;

// Where the movie window reads the films (MovieDir: the hard-disk copy or the disc) and
// what the disc's movie folder lists (MovieList, ending in "", and MovieCount).
class MovieModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList MovieList READ movieList NOTIFY moviesChanged)
    Q_PROPERTY(int MovieCount READ movieCount NOTIFY moviesChanged)
    Q_PROPERTY(QString MovieDir READ movieDir NOTIFY moviesChanged)

public:
    using QObject::QObject;

    QStringList movieList() const { return m_list; }
    int movieCount() const { return m_count; }
    QString movieDir() const { return m_dir; }

    // Looks again: a copy to the hard disk may have come or gone since.
    void refresh(const FileSystem &files, const QString &programDir, const QString &discRoot);

signals:
    void moviesChanged();

private:
    QStringList m_list;
    int m_count = 0;
    QString m_dir;
};

} // namespace gallerion
