#include "media/filmcheck.h"

#include "media/filmtable.h"
#include "platform/filesystem.h"
#include "platform/media/multimediadevice.h"

#include <QWidget>

namespace gallerion {

namespace {

const QString Break = QStringLiteral("\r\n");

using Outcome = FilmCheck::Outcome;

QString damageText(AviProbe::Verdict damage)
{
    switch (damage) {
    case AviProbe::Verdict::Empty:
        return QStringLiteral("the file is damaged: it is empty (0 bytes)");
    case AviProbe::Verdict::Truncated:
        return QStringLiteral("the file is damaged: it is cut short");
    case AviProbe::Verdict::AudioOnly:
        return QStringLiteral("the file is damaged: it holds sound but no picture");
    case AviProbe::Verdict::NotAvi:
    case AviProbe::Verdict::Intact:
        break;
    }
    return QStringLiteral("the file is damaged: it is not a film");
}

QString problemText(const FilmCheck &check)
{
    switch (check.outcome) {
    case Outcome::Missing:
        return QStringLiteral("the file is missing");
    case Outcome::Folder:
        return QStringLiteral("a folder stands where the file should be");
    case Outcome::Damaged:
        return damageText(check.damage);
    case Outcome::NeedsDecoder:
        return check.codec.isEmpty()
                   ? QStringLiteral("no video decoder on this system reads its picture")
                   : QStringLiteral("no video decoder on this system reads its picture (%1)")
                         .arg(QString::fromLatin1(check.codec));
    case Outcome::Plays:
        break;
    }
    return {};
}

bool needsDecoder(const QList<FilmCheck> &results)
{
    return std::any_of(results.begin(), results.end(), [](const FilmCheck &check) {
        return check.outcome == Outcome::NeedsDecoder;
    });
}

} // namespace

FilmCheckRun::FilmCheckRun(const FileSystem &files, QString movieDir, QWidget *owner)
    : QObject(owner), m_files(files), m_movieDir(std::move(movieDir)),
      m_device(new MultimediaDevice(owner))
{
    m_device->setObjectName(QStringLiteral("mmFilmCheck"));
    m_device->hide();
    connect(this, &QObject::destroyed, m_device, &QObject::deleteLater);
    connect(m_device, &MultimediaDevice::opened, this,
            [this] { record(FilmCheck::of(Outcome::Plays)); });
    connect(m_device, &MultimediaDevice::openFailed, this, [this] {
        record({Outcome::NeedsDecoder, AviProbe::Verdict::Intact, m_codec});
    });
}

void FilmCheckRun::start()
{
    m_results.clear();
    next();
}

// Films are looked at one after another; each step ends in record(), at once for what
// the header tells, by the device's signal for the rest.
void FilmCheckRun::next()
{
    if (m_results.size() == FilmCount) {
        m_device->command(QStringLiteral("close"));
        emit finished(m_results);
        return;
    }
    const QString path = m_movieDir + filmTable()[m_results.size()].file;
    if (m_files.isDirectory(path))
        return record(FilmCheck::of(Outcome::Folder));
    std::unique_ptr<QIODevice> content = m_files.exists(path) ? m_files.open(path) : nullptr;
    if (!content)
        return record(FilmCheck::of(Outcome::Missing));
    const AviProbe probe = probeAvi(*content);
    if (probe.verdict != AviProbe::Verdict::Intact)
        return record({Outcome::Damaged, probe.verdict, probe.codec});
    m_codec = probe.codec;
    content->seek(0);
    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(QStringLiteral("AVIVideo"));
    m_device->setFileName(m_files.displayPath(path));
    m_device->setContent(std::move(content));
    if (!m_device->command(QStringLiteral("open")))
        record({Outcome::NeedsDecoder, AviProbe::Verdict::Intact, m_codec});
}

void FilmCheckRun::record(FilmCheck check)
{
    m_results.append(std::move(check));
    // From the event loop: the device may be calling in.
    QMetaObject::invokeMethod(this, &FilmCheckRun::next, Qt::QueuedConnection);
}

bool allFilmsPlay(const QList<FilmCheck> &results)
{
    return std::all_of(results.begin(), results.end(),
                       [](const FilmCheck &check) { return check.outcome == Outcome::Plays; });
}

QString filmCheckReport(const QList<FilmCheck> &results, bool libavInstalled)
{
    if (allFilmsPlay(results))
        return QStringLiteral("Every Zarvick movie plays on this system; no video software needs "
                              "to be installed.");
    QString text = QStringLiteral("These Zarvick movies cannot be played on this system:") + Break;
    for (int i = 0; i < results.size() && i < FilmCount; ++i) {
        if (results[i].outcome != Outcome::Plays)
            text += Break + filmTable()[i].option + QStringLiteral(" (") + filmTable()[i].file +
                    QStringLiteral("): ") + problemText(results[i]);
    }
    if (needsDecoder(results))
        text += Break + Break +
                (libavInstalled
                     ? QStringLiteral("The decoders of gstreamer1.0-libav are installed; no "
                                      "package of this system knows these pictures.")
                     : QStringLiteral(
                           "The package gstreamer1.0-libav adds the missing video decoders."));
    return text;
}

} // namespace gallerion
