#include "support/discimages.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace gallerion::test {

namespace {

constexpr qint64 SectorBytes = 2048;
constexpr qint64 RawBytes = 2352;

quint32 le32(const QByteArray &data, qsizetype at)
{
    return quint32(quint8(data.at(at))) | quint32(quint8(data.at(at + 1))) << 8 |
           quint32(quint8(data.at(at + 2))) << 16 | quint32(quint8(data.at(at + 3))) << 24;
}

// Both-endian 32-bit field as ECMA-119 writes it.
void putBoth32(QByteArray &data, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i) {
        data[at + i] = char(value >> (8 * i));
        data[at + 7 - i] = char(value >> (8 * i));
    }
}

quint8 bcd(int value)
{
    return quint8((value / 10) << 4 | (value % 10));
}

// The header of a raw sector: sync, its address (150 frames of lead-in on) and mode.
QByteArray rawHeader(qint64 sector, int mode)
{
    QByteArray header = QByteArray::fromHex("00ffffffffffffffffffff00");
    const qint64 frame = sector + 150;
    header.append(char(bcd(int(frame / (60 * 75)))));
    header.append(char(bcd(int(frame / 75 % 60))));
    header.append(char(bcd(int(frame % 75))));
    header.append(char(mode));
    if (mode == 2)
        header.append(QByteArray::fromHex("0000080000000800")); // form 1 subheader, twice
    return header;
}

QString readAll(const QString &path, QByteArray *into)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    *into = file.readAll();
    return QString();
}

QString writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return file.errorString();
    return QString();
}

} // namespace

QString xorrisoProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xorriso"));
}

QString makeIso(const QString &folder, const QString &image, IsoNames names)
{
    QStringList arguments{QStringLiteral("-as"), QStringLiteral("mkisofs"),
                          QStringLiteral("-quiet"), QStringLiteral("-V"),
                          QStringLiteral("GALLERION")};
    if (names == IsoNames::JolietRockRidge)
        arguments << QStringLiteral("-J") << QStringLiteral("-R");
    else
        arguments << QStringLiteral("--norock") << QStringLiteral("-iso-level")
                  << QStringLiteral("1");
    arguments << QStringLiteral("-o") << image << folder;
    QProcess xorriso;
    xorriso.start(xorrisoProgram(), arguments);
    if (!xorriso.waitForFinished(300000) || xorriso.exitCode() != 0)
        return QStringLiteral("xorriso failed: ") +
               QString::fromLocal8Bit(xorriso.readAllStandardError());
    return QString();
}

QString makeRawBin(const QString &iso, const QString &bin, const QString &cue, int mode)
{
    QByteArray plain;
    if (QString error = readAll(iso, &plain); !error.isEmpty())
        return error;
    QByteArray raw;
    raw.reserve(plain.size() / SectorBytes * RawBytes);
    for (qint64 sector = 0; sector * SectorBytes < plain.size(); ++sector) {
        QByteArray one = rawHeader(sector, mode);
        one.append(plain.mid(sector * SectorBytes, SectorBytes).leftJustified(SectorBytes, '\0'));
        // The error-correction bytes are left zero: the reader takes only the payload.
        one.append(QByteArray(RawBytes - one.size(), '\0'));
        raw.append(one);
    }
    if (QString error = writeAll(bin, raw); !error.isEmpty())
        return error;
    const QString track = mode == 2 ? QStringLiteral("MODE2/2352") : QStringLiteral("MODE1/2352");
    const QString sheet =
        QStringLiteral("FILE \"%1\" BINARY\r\n  TRACK 01 %2\r\n    INDEX 01 00:00:00\r\n")
            .arg(bin.section(QLatin1Char('/'), -1), track);
    return writeAll(cue, sheet.toUtf8());
}

QString truncateImage(const QString &image, const QString &copy, qint64 bytes)
{
    QByteArray data;
    if (QString error = readAll(image, &data); !error.isEmpty())
        return error;
    return writeAll(copy, data.left(bytes));
}

QString loopImage(const QString &image, const QString &copy)
{
    QByteArray data;
    if (QString error = readAll(image, &data); !error.isEmpty())
        return error;
    const qsizetype primary = 16 * SectorBytes;
    const quint32 rootSector = le32(data, primary + 156 + 2);
    const qsizetype root = qsizetype(rootSector) * SectorBytes;
    for (qsizetype at = root; at < root + SectorBytes && quint8(data.at(at)) > 0;
         at += quint8(data.at(at))) {
        const bool directory = quint8(data.at(at + 25)) & 0x02;
        const bool named = quint8(data.at(at + 32)) > 1 || quint8(data.at(at + 33)) > 1;
        if (directory && named) {
            putBoth32(data, at + 2, rootSector);
            return writeAll(copy, data);
        }
    }
    return QStringLiteral("The image's root holds no subdirectory.");
}

} // namespace gallerion::test
