#include "platform/discimage/sectorlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace gallerion {

namespace {

constexpr int RawSectorBytes = 2352;
// A CUE sheet is a few lines; anything larger is not one.
constexpr qint64 MaxCueBytes = 64 * 1024;

bool hasSyncHeader(const QByteArray &sector)
{
    static const QByteArray sync = QByteArray::fromHex("00ffffffffffffffffffff00");
    return sector.startsWith(sync);
}

std::optional<SectorLayout> layoutForMode(const QString &mode, const QString &dataFile)
{
    const QString upper = mode.toUpper();
    if (upper == QLatin1String("MODE1/2048"))
        return SectorLayout{dataFile, 2048, 0};
    if (upper == QLatin1String("MODE1/2352"))
        return SectorLayout{dataFile, RawSectorBytes, 16};
    if (upper == QLatin1String("MODE2/2352"))
        return SectorLayout{dataFile, RawSectorBytes, 24};
    return std::nullopt;
}

// The data file a sheet names, found beside the sheet without regard to case.
QString dataFileBeside(const QString &named, const QString &sheetDir)
{
    QString name = named;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    if (name.isEmpty() || name == QLatin1String("..") || name == QLatin1String("."))
        return QString();
    const QDir dir(sheetDir);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

std::optional<SectorLayout> failed(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

} // namespace

std::optional<SectorLayout> parseCueSheet(const QByteArray &sheet, const QString &sheetDir,
                                          QString *error)
{
    static const QRegularExpression fileLine(
        QStringLiteral("^\\s*FILE\\s+(?:\"([^\"]*)\"|(\\S+))\\s+(\\S+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression trackLine(QStringLiteral("^\\s*TRACK\\s+\\d+\\s+(\\S+)\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString dataName;
    const QStringList lines = QString::fromUtf8(sheet).split(
        QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (const auto file = fileLine.match(line); file.hasMatch()) {
            dataName = file.captured(1).isEmpty() ? file.captured(2) : file.captured(1);
            continue;
        }
        const auto track = trackLine.match(line);
        if (!track.hasMatch())
            continue;
        if (dataName.isEmpty())
            return failed(error, QStringLiteral("The CUE sheet names a track before its file."));
        const QString dataFile = dataFileBeside(dataName, sheetDir);
        if (dataFile.isEmpty())
            return failed(
                error,
                QStringLiteral("The CUE sheet's data file %1 is not beside it.").arg(dataName));
        if (auto layout = layoutForMode(track.captured(1), dataFile))
            return layout;
        // The first track is audio or an unknown mode: this is no data disc.
        return failed(error, QStringLiteral("The first track of the CUE sheet is %1, not data.")
                                 .arg(track.captured(1)));
    }
    return failed(error, QStringLiteral("The CUE sheet names no track."));
}

std::optional<SectorLayout> sectorLayoutOf(const QString &imagePath, QString *error)
{
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly))
        return failed(error, file.errorString());
    if (imagePath.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive)) {
        if (file.size() > MaxCueBytes)
            return failed(error, QStringLiteral("The CUE sheet is too large to be one."));
        return parseCueSheet(file.readAll(), QFileInfo(imagePath).absolutePath(), error);
    }
    const QByteArray first = file.read(RawSectorBytes);
    if (!hasSyncHeader(first))
        return SectorLayout{imagePath, 2048, 0};
    if (first.size() > 15 && first.at(15) == 2)
        return SectorLayout{imagePath, RawSectorBytes, 24};
    return SectorLayout{imagePath, RawSectorBytes, 16};
}

} // namespace gallerion
