#include "platform/discimage/directoryrecords.h"

namespace gallerion {

namespace {

constexpr qsizetype SectorBytes = 2048;
constexpr qsizetype MinRecord = 34;
// Continuation areas followed for one record; a chain that goes on is hostile.
constexpr int MaxContinuations = 8;

constexpr quint8 FlagDirectory = 0x02;
constexpr quint8 FlagMultiExtent = 0x80;

quint8 byteAt(const QByteArray &data, qsizetype at)
{
    return quint8(data.at(at));
}

quint32 le32(const QByteArray &data, qsizetype at)
{
    return quint32(byteAt(data, at)) | quint32(byteAt(data, at + 1)) << 8 |
           quint32(byteAt(data, at + 2)) << 16 | quint32(byteAt(data, at + 3)) << 24;
}

QDateTime recordingTime(const QByteArray &record)
{
    const QDate date(1900 + byteAt(record, 18), byteAt(record, 19), byteAt(record, 20));
    const QTime time(byteAt(record, 21), byteAt(record, 22), byteAt(record, 23));
    const int quarterHours = qint8(byteAt(record, 24));
    if (!date.isValid() || !time.isValid() || quarterHours < -48 || quarterHours > 52)
        return QDateTime();
    return QDateTime(date, time, Qt::OffsetFromUTC, quarterHours * 15 * 60);
}

// "NAME.EXT;1" and "DIR." lose their version and the dot of an empty extension.
QString withoutVersion(QString name)
{
    const qsizetype semicolon = name.indexOf(QLatin1Char(';'));
    if (semicolon >= 0)
        name.truncate(semicolon);
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

QString jolietName(const QByteArray &bytes)
{
    QString name;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        name.append(QChar(char16_t(byteAt(bytes, i) << 8 | byteAt(bytes, i + 1))));
    return withoutVersion(name);
}

bool isUsableName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

// What the Rock Ridge entries of one system use area say about a record.
struct RockRidgeFacts
{
    QByteArray name;
    bool hasName = false;
    bool relocated = false;  // shown elsewhere through a child link
    qint64 childSector = -1; // a directory moved away from here
};

void readSystemUse(QByteArray area, const RecordRules &rules, RockRidgeFacts *facts)
{
    bool nameGoesOn = true;
    for (int continuations = 0; continuations <= MaxContinuations;) {
        QByteArray next;
        qsizetype at = 0;
        while (at + 4 <= area.size()) {
            const qsizetype length = byteAt(area, at + 2);
            if (length < 4 || at + length > area.size())
                break;
            const QByteArray signature = area.mid(at, 2);
            if (signature == "NM" && length >= 5 && nameGoesOn) {
                const quint8 flags = byteAt(area, at + 4);
                if (!(flags & 0x06)) {
                    facts->name += area.mid(at + 5, length - 5);
                    facts->hasName = true;
                }
                nameGoesOn = flags & 0x01;
            } else if (signature == "RE") {
                facts->relocated = true;
            } else if (signature == "CL" && length >= 12) {
                facts->childSector = le32(area, at + 4);
            } else if (signature == "CE" && length >= 28 && rules.continuation) {
                next = rules.continuation(le32(area, at + 4), le32(area, at + 12),
                                          le32(area, at + 20));
            } else if (signature == "ST") {
                break;
            }
            at += length;
        }
        if (next.isEmpty())
            return;
        area = next;
        ++continuations;
    }
}

// The entry one record describes; its name is empty when it must be left out.
ImageEntry entryOf(const QByteArray &record, const RecordRules &rules)
{
    ImageEntry entry;
    const qsizetype nameLength = byteAt(record, 32);
    const QByteArray rawName = record.mid(33, nameLength);
    if (nameLength == 1 && (rawName.at(0) == 0 || rawName.at(0) == 1))
        return entry;
    const quint8 flags = byteAt(record, 25);
    entry.directory = flags & FlagDirectory;
    entry.size = le32(record, 10);
    entry.extents.append({qint64(le32(record, 2)) + byteAt(record, 1), entry.size});
    entry.modified = recordingTime(record);
    QString name = rules.form == NameForm::Joliet ? jolietName(rawName)
                                                  : withoutVersion(QString::fromLatin1(rawName));
    if (rules.form == NameForm::RockRidge) {
        const qsizetype systemUse =
            33 + nameLength + (nameLength % 2 == 0 ? 1 : 0) + rules.suspSkip;
        RockRidgeFacts facts;
        readSystemUse(record.mid(systemUse), rules, &facts);
        if (facts.relocated)
            return ImageEntry();
        if (facts.hasName)
            name = QString::fromUtf8(facts.name);
        if (facts.childSector >= 0) {
            // Its real size is in the "." record of the directory it links to.
            entry.directory = true;
            entry.size = -1;
            entry.extents = {{facts.childSector, -1}};
        }
    }
    entry.name = isUsableName(name) ? name : QString();
    return entry;
}

} // namespace

QList<ImageEntry> parseDirectoryRecords(const QByteArray &extent, const RecordRules &rules)
{
    QList<ImageEntry> entries;
    bool extending = false;
    qsizetype at = 0;
    while (at < extent.size()) {
        const qsizetype length = byteAt(extent, at);
        const qsizetype sectorEnd = (at / SectorBytes + 1) * SectorBytes;
        if (length < MinRecord || at + length > std::min(sectorEnd, extent.size())) {
            // Zero pads the rest of a sector; anything else malformed spoils only that sector.
            at = sectorEnd;
            continue;
        }
        const QByteArray record = extent.mid(at, length);
        at += length;
        if (33 + qsizetype(byteAt(record, 32)) > length)
            continue;
        ImageEntry entry = entryOf(record, rules);
        const bool continues = byteAt(record, 25) & FlagMultiExtent;
        if (extending && !entries.isEmpty() && entries.last().name == entry.name &&
            !entry.directory && !entry.name.isEmpty()) {
            entries.last().size += entry.size;
            entries.last().extents.append(entry.extents.first());
        } else if (!entry.name.isEmpty()) {
            entries.append(entry);
        }
        extending = continues && !entry.name.isEmpty();
    }
    return entries;
}

qint64 selfRecordLength(const QByteArray &firstSector)
{
    if (firstSector.size() < MinRecord || byteAt(firstSector, 0) < MinRecord ||
        byteAt(firstSector, 32) != 1 || firstSector.at(33) != 0)
        return -1;
    return le32(firstSector, 10);
}

bool hasRockRidge(const QByteArray &rootFirstSector, int *skip)
{
    if (rootFirstSector.size() < MinRecord)
        return false;
    const qsizetype length = byteAt(rootFirstSector, 0);
    const qsizetype systemUse = 34; // "." has a one-byte name and no padding
    if (length < systemUse + 7 || length > rootFirstSector.size())
        return false;
    const QByteArray sp = rootFirstSector.mid(systemUse, 7);
    if (!sp.startsWith("SP") || byteAt(sp, 4) != 0xBE || byteAt(sp, 5) != 0xEF)
        return false;
    *skip = byteAt(sp, 6);
    return true;
}

} // namespace gallerion
