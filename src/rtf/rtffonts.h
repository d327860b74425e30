#pragma once

#include <QByteArrayView>
#include <QFont>
#include <QStringList>

namespace gallerion::rtf {

// The kind of type a font table or a metafile font says the font is.
enum class FontKind
{
    Unknown,
    Roman,  // serif
    Swiss,  // sans serif
    Modern, // fixed pitch
    Script,
    Decor
};

// The kind a panose number (ten bytes as twenty hex digits) describes.
FontKind fontKindFromPanose(QByteArrayView hexDigits);

// Families to ask for, best first: the name itself, the name without a
// code-page suffix ("Arial Cyr"), a metric-compatible free family, and a
// common family of the same kind, so that a missing font looks alike.
QStringList fontFamiliesFor(const QString &name, FontKind kind);

QFont::StyleHint styleHintFor(FontKind kind);

} // namespace gallerion::rtf
