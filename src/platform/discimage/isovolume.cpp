#include "platform/discimage/isovolume.h"

#include "platform/discimage/imagefiledevice.h"
#include "platform/discimage/sectorreader.h"

#include <QSet>

#include <deque>

namespace gallerion {

namespace {

constexpr qint64 FirstDescriptor = 16;
// A real image has a handful of descriptors; a set without an end is hostile.
constexpr qint64 MaxDescriptors = 64;
constexpr qsizetype RootRecordAt = 156;

bool isJolietEscape(const QByteArray &descriptor)
{
    const QByteArray escape = descriptor.mid(88, 3);
    return escape == "%/@" || escape == "%/C" || escape == "%/E";
}

// The root directory's extent from a volume descriptor.
ImageExtent rootExtent(const QByteArray &descriptor)
{
    const QByteArray record = descriptor.mid(RootRecordAt, 34);
    const auto le32 = [&](int at) {
        return quint32(quint8(record.at(at))) | quint32(quint8(record.at(at + 1))) << 8 |
               quint32(quint8(record.at(at + 2))) << 16 | quint32(quint8(record.at(at + 3))) << 24;
    };
    return {le32(2), le32(10)};
}

struct Descriptors
{
    QByteArray primary;
    QByteArray joliet;
};

Descriptors readDescriptors(SectorReader &reader)
{
    Descriptors found;
    for (qint64 sector = FirstDescriptor; sector < FirstDescriptor + MaxDescriptors; ++sector) {
        const QByteArray descriptor = reader.readSectors(sector, 1);
        if (descriptor.isEmpty() || descriptor.mid(1, 5) != "CD001")
            break;
        const quint8 type = quint8(descriptor.at(0));
        if (type == 255)
            break;
        if (type == 1 && found.primary.isEmpty())
            found.primary = descriptor;
        else if (type == 2 && found.joliet.isEmpty() && isJolietEscape(descriptor))
            found.joliet = descriptor;
    }
    return found;
}

} // namespace

// Fills a volume's listings breadth first, within the volume's bounds.
class IsoTreeReader
{
public:
    IsoTreeReader(IsoVolume &volume, SectorReader &reader, RecordRules rules)
        : m_volume(volume), m_reader(reader), m_rules(std::move(rules))
    {}

    void readFrom(ImageEntry &root)
    {
        m_pending.push_back({&root, 0});
        while (!m_pending.empty()) {
            const Pending next = m_pending.front();
            m_pending.pop_front();
            readDirectory(*next.entry, next.depth);
        }
    }

private:
    struct Pending
    {
        ImageEntry *entry;
        int depth;
    };

    // The directory's bytes; empty when it must list nothing.
    QByteArray extentOf(ImageEntry &directory)
    {
        ImageExtent &extent = directory.extents.first();
        if (m_seen.contains(extent.sector))
            return QByteArray();
        m_seen.insert(extent.sector);
        if (extent.bytes < 0) {
            extent.bytes = selfRecordLength(m_reader.readSectors(extent.sector, 1));
            directory.size = extent.bytes;
        }
        const qint64 sectors =
            (extent.bytes + SectorReader::SectorBytes - 1) / SectorReader::SectorBytes;
        if (extent.bytes <= 0 || extent.bytes > IsoVolume::MaxDirectoryBytes ||
            m_treeBytes + extent.bytes > IsoVolume::MaxTreeBytes)
            return QByteArray();
        m_treeBytes += extent.bytes;
        return m_reader.readSectors(extent.sector, sectors);
    }

    void readDirectory(ImageEntry &directory, int depth)
    {
        directory.listing = int(m_volume.m_listings.size());
        m_volume.m_listings.append(IsoVolume::Listing());
        const QByteArray extent = depth > IsoVolume::MaxDepth ? QByteArray() : extentOf(directory);
        QList<ImageEntry> entries = parseDirectoryRecords(extent, m_rules);
        const qsizetype room = IsoVolume::MaxEntries - m_entryCount;
        if (entries.size() > room)
            entries.resize(std::max<qsizetype>(room, 0));
        m_entryCount += entries.size();
        IsoVolume::Listing &listing = m_volume.m_listings.last();
        listing.entries = std::move(entries);
        for (qsizetype i = 0; i < listing.entries.size(); ++i) {
            const QString &name = listing.entries.at(i).name;
            listing.exact.insert(name, i);
            if (!listing.folded.contains(name.toCaseFolded()))
                listing.folded.insert(name.toCaseFolded(), i);
        }
        // The listing's storage stays put from here on: later listings are
        // appended to the volume, not to this one.
        for (ImageEntry &entry : listing.entries) {
            if (entry.directory)
                m_pending.push_back({&entry, depth + 1});
        }
    }

    IsoVolume &m_volume;
    SectorReader &m_reader;
    RecordRules m_rules;
    std::deque<Pending> m_pending;
    QSet<qint64> m_seen;
    qint64 m_treeBytes = 0;
    qsizetype m_entryCount = 0;
};

std::shared_ptr<const IsoVolume> IsoVolume::load(const QString &imagePath, QString *error)
{
    std::optional<SectorLayout> layout = sectorLayoutOf(imagePath, error);
    if (!layout)
        return nullptr;
    SectorReader reader(*layout);
    if (!reader.open()) {
        *error = reader.errorString();
        return nullptr;
    }
    const Descriptors descriptors = readDescriptors(reader);
    if (descriptors.primary.isEmpty()) {
        *error = QStringLiteral("It holds no ISO 9660 volume descriptor.");
        return nullptr;
    }
    auto volume = std::make_shared<IsoVolume>();
    volume->m_layout = *layout;
    volume->m_sectors = reader.sectorCount();
    volume->m_root.directory = true;
    volume->m_root.extents = {rootExtent(descriptors.primary)};

    RecordRules rules;
    rules.continuation = [&reader](qint64 sector, qint64 offset, qint64 length) {
        if (offset < 0 || length <= 0 || offset + length > SectorReader::SectorBytes)
            return QByteArray();
        return reader.readSectors(sector, 1).mid(offset, length);
    };
    const QByteArray rootStart = reader.readSectors(volume->m_root.extents.first().sector, 1);
    if (hasRockRidge(rootStart, &rules.suspSkip)) {
        rules.form = NameForm::RockRidge;
    } else if (!descriptors.joliet.isEmpty()) {
        rules.form = NameForm::Joliet;
        volume->m_root.extents = {rootExtent(descriptors.joliet)};
    }
    volume->m_form = rules.form;
    volume->m_root.size = volume->m_root.extents.first().bytes;
    IsoTreeReader(*volume, reader, rules).readFrom(volume->m_root);
    return volume;
}

const ImageEntry *IsoVolume::child(const ImageEntry &directory, const QString &name) const
{
    if (directory.listing < 0)
        return nullptr;
    const Listing &listing = m_listings.at(directory.listing);
    qsizetype index = listing.exact.value(name, -1);
    if (index < 0)
        index = listing.folded.value(name.toCaseFolded(), -1);
    return index < 0 ? nullptr : &listing.entries.at(index);
}

const ImageEntry *IsoVolume::find(const QStringList &parts) const
{
    const ImageEntry *entry = &m_root;
    for (const QString &part : parts) {
        if (!entry->directory)
            return nullptr;
        entry = child(*entry, part);
        if (!entry)
            return nullptr;
    }
    return entry;
}

const QList<ImageEntry> &IsoVolume::entriesOf(const ImageEntry &directory) const
{
    static const QList<ImageEntry> none;
    return directory.listing < 0 ? none : m_listings.at(directory.listing).entries;
}

bool IsoVolume::isWhole(const ImageEntry &file) const
{
    const qint64 imageBytes = m_sectors * SectorReader::SectorBytes;
    for (const ImageExtent &extent : file.extents) {
        if (extent.sector < 0 || extent.bytes < 0 ||
            extent.sector * SectorReader::SectorBytes + extent.bytes > imageBytes)
            return false;
    }
    return true;
}

std::unique_ptr<QIODevice> IsoVolume::device(const ImageEntry &file) const
{
    if (file.directory)
        return nullptr;
    return std::make_unique<ImageFileDevice>(m_layout, file.extents, file.size);
}

} // namespace gallerion
