#pragma once

#include "rtf/rtfsymbolfonts.h"

#include <QString>

namespace gallerion::rtf {

// The character a SYMBOL field shows: "SYMBOL 74 \f "Wingdings" \s 12".
struct FieldSymbol
{
    QString text;     // empty when the instruction is not a SYMBOL field
    qreal points = 0; // the \s size, 0 when not given
};

// Reads a field instruction; a SYMBOL field without \f takes the font in force.
FieldSymbol symbolField(const QString &instruction, SymbolFont currentFont);

} // namespace gallerion::rtf
