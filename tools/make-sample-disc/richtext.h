#pragma once

#include "contents.h"

#include <QByteArray>
#include <QString>

namespace sampledisc {

// Text escaped for an ANSI code page 1252 RTF body: \'hh for accented letters, \uN? beyond.
QByteArray rtfEscape(const QString &text);

// A complete RTF document titled with the file's title, as an old word processor saved it.
QByteArray richTextFile(const DiscFile &file);

} // namespace sampledisc
