#pragma once

#include <QList>
#include <QSize>
#include <QString>

// The one table of every file the sample disc holds. The generator writes exactly these files
// and the disc test checks the written disc against them.

namespace sampledisc {

enum class FileKind
{
    Photo,
    ClipArt,
    Emblem,
    Script,
    Advertisement,
    Graphic,
    RichText,
    Sound,
    Movie,
    Placeholder
};

enum class SoundFormat
{
    Pcm8Mono11025,
    Pcm16Mono22050,
    ImaAdpcm11025
};

// A model year or special collection: its two-character code, its caption and how many
// photos the disc holds for it.
struct Entry
{
    QString code;
    QString caption;
    int photoCount = 0;
};

struct DiscFile
{
    QString path; // relative to the output folder, parts separated by '/'
    FileKind kind = FileKind::Placeholder;
    QString title;   // what the file shows or names: caption, document name, film title
    int number = 0;  // photo number in its entry, pages of a text, voice of a sound
    int variant = 0; // picks colours and wording so that neighbouring files differ
    QSize size;      // pixels of photos, pictures and film frames
    SoundFormat sound = SoundFormat::Pcm8Mono11025;
    int samples = 0; // length of a sound, per channel
};

// The 38 years followed by the collections that have photos, in button and menu order.
QList<Entry> catalogueEntries();

// Photo name of the given entry and 1-based number, as it lies on the disc (case included).
QString photoName(const Entry &entry, int number);

// Per-photo details file of a collection for photo number n, or an empty text when the
// collection has no per-photo details.
QString detailsFileName(const QString &code, int number);

// Every file written below DIR, disc and program folder alike.
QList<DiscFile> discContents();

bool isPicture(FileKind kind);

} // namespace sampledisc
