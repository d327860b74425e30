#include "media/filmcheck.h"

#include "media/filmtable.h"
#include "platform/filesystem.h"
#include "platform/media/multimediadevice.h"

namespace gallerion {

namespace {

const QString Break = QStringLiteral("\r\n");

QString problemText(FilmCheck check)
{
    return check == FilmCheck::Missing ? QStringLiteral("the file is missing")
                                       : QStringLiteral("its video cannot be decoded");
}

} // namespace

QList<FilmCheck> checkFilms(const FileSystem &files, const QString &movieDir, QWidget *owner)
{
    MultimediaDevice device(owner);
    device.setObjectName(QStringLiteral("mmFilmCheck"));
    device.hide();
    QList<FilmCheck> results;
    for (const Film &film : filmTable()) {
        const QString path = movieDir + film.file;
        if (!files.exists(path)) {
            results.append(FilmCheck::Missing);
            continue;
        }
        device.command(QStringLiteral("close"));
        device.setDeviceType(QStringLiteral("AVIVideo"));
        device.setFileName(files.nativePath(path));
        results.append(device.command(QStringLiteral("open")) ? FilmCheck::Plays
                                                              : FilmCheck::Undecodable);
    }
    device.command(QStringLiteral("close"));
    return results;
}

bool allFilmsPlay(const QList<FilmCheck> &results)
{
    return !results.contains(FilmCheck::Missing) && !results.contains(FilmCheck::Undecodable);
}

QString filmCheckReport(const QList<FilmCheck> &results)
{
    if (allFilmsPlay(results))
        return QStringLiteral("Every Zarvick movie plays on this system; no video software needs "
                              "to be installed.");
    QString text = QStringLiteral("These Zarvick movies cannot be played on this system:") + Break;
    for (int i = 0; i < results.size() && i < FilmCount; ++i) {
        if (results[i] != FilmCheck::Plays)
            text += Break + filmTable()[i].option + QStringLiteral(" (") + filmTable()[i].file +
                    QStringLiteral("): ") + problemText(results[i]);
    }
    if (results.contains(FilmCheck::Undecodable))
        text += Break + Break +
                QStringLiteral("The package gstreamer1.0-libav adds the missing video decoders.");
    return text;
}

} // namespace gallerion
