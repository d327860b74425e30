#pragma once

#include "contents.h"

#include <QByteArray>
#include <QString>

namespace sampledisc {

// The bytes of one file of the table.
QByteArray fileBytes(const DiscFile &file);

// Writes every file of the table below root, creating folders as needed. Returns an empty text
// on success, otherwise what went wrong.
QString writeDisc(const QString &root);

} // namespace sampledisc
