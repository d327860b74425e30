#pragma once

#include "platform/discimage/directoryrecords.h"
#include "platform/discimage/imageentry.h"
#include "platform/discimage/sectorlayout.h"

#include <QHash>
#include <QIODevice>
#include <QList>
#include <QStringList>

#include <memory>

namespace gallerion {

// The file tree of an ISO 9660 image, read whole when the image is loaded and
// unchanged afterwards, so threads may share it. Reading is bounded: a
// directory met twice (a loop), nested too deep, too large, or lying past the
// end of the image lists nothing, and the tree holds a limited number of
// entries.
class IsoVolume
{
public:
    static constexpr int MaxDepth = 64;
    static constexpr qint64 MaxDirectoryBytes = 32 * 1024 * 1024;
    static constexpr qint64 MaxTreeBytes = 256 * 1024 * 1024;
    static constexpr qsizetype MaxEntries = 500000;

    // Null, with the reason in error, when the file is no readable image.
    static std::shared_ptr<const IsoVolume> load(const QString &imagePath, QString *error);

    NameForm nameForm() const { return m_form; }
    // The entry at these names below the root (the root itself for none),
    // each matched exactly first, then without regard to case; null if absent.
    const ImageEntry *find(const QStringList &parts) const;
    // The entries of a directory, in the order of the image.
    const QList<ImageEntry> &entriesOf(const ImageEntry &directory) const;
    // Whether every byte of a file lies inside the image.
    bool isWhole(const ImageEntry &file) const;
    // A random-access device on a file, not yet open; null for a directory.
    std::unique_ptr<QIODevice> device(const ImageEntry &file) const;

private:
    struct Listing
    {
        QList<ImageEntry> entries;
        QHash<QString, qsizetype> exact;
        QHash<QString, qsizetype> folded;
    };
    friend class IsoTreeReader;

    const ImageEntry *child(const ImageEntry &directory, const QString &name) const;

    SectorLayout m_layout;
    qint64 m_sectors = 0;
    NameForm m_form = NameForm::Iso9660;
    ImageEntry m_root;
    QList<Listing> m_listings;
};

} // namespace gallerion
