#pragma once

#include "media/aviprobe.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace gallerion {

class FileSystem;
class MultimediaDevice;

// What this system makes of one film.
struct FilmCheck
{
    enum class Outcome
    {
        Plays,
        Missing,
        Folder,  // a folder stands where the film should be
        Damaged, // see damage
        NeedsDecoder
    };
    Outcome outcome = Outcome::Plays;
    AviProbe::Verdict damage = AviProbe::Verdict::Intact;
    QByteArray codec;

    static FilmCheck of(Outcome outcome) { return {outcome, AviProbe::Verdict::Intact, {}}; }
};

// Looks at each film of MovieDir in turn: its header first, then, for a film that looks
// whole, an open with a hidden multimedia device of its own (mmFilmCheck, a child of
// owner), so a film loaded elsewhere is left alone. Each open is waited for by signal;
// finished() comes once with one result per film. Deleting the check abandons it.
class FilmCheckRun : public QObject
{
    Q_OBJECT
public:
    FilmCheckRun(const FileSystem &files, QString movieDir, QWidget *owner);

    void start();

signals:
    void finished(const QList<gallerion::FilmCheck> &results);

private:
    void next();
    void record(FilmCheck check);

    const FileSystem &m_files;
    QString m_movieDir;
    MultimediaDevice *m_device;
    QList<FilmCheck> m_results;
    QByteArray m_codec;
};

// The one message that tells the user which films play, which are damaged, and which
// need a decoder: the package that adds decoders is named only when it is missing.
QString filmCheckReport(const QList<FilmCheck> &results, bool libavInstalled);
bool allFilmsPlay(const QList<FilmCheck> &results);

} // namespace gallerion
