#pragma once

#include <QByteArrayView>
#include <QString>

namespace gallerion::rtf {

// Fonts whose characters are pictures at Latin letters' codes.
enum class SymbolFont
{
    None,
    Symbol,
    Wingdings,
    Webdings
};

SymbolFont symbolFontFor(const QString &fontName);

// The Unicode character a symbol font shows for a byte (0x20-0xff) or for its
// private-use code (U+F020-U+F0FF); the code itself when Unicode has no such
// character.
QString symbolCharacter(SymbolFont font, uint code);
QString symbolText(SymbolFont font, QByteArrayView bytes);

} // namespace gallerion::rtf
