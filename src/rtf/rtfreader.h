#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

namespace gallerion::rtf {

struct ReadResult
{
    bool ok = false;
    QString error;
};

// Replaces the document's content with the rich text in data. Data that does
// not start with "{\rtf" is shown as plain text (UTF-8 when it is valid UTF-8,
// else Windows-1252). Damaged rich text gives whatever could be read; only
// binary data that is not rich text fails.
ReadResult readRtf(const QByteArray &data, QTextDocument *into);

// The same for an open device, read from its position; false with a reason
// when it cannot be read or is too large.
bool readRtfDevice(QIODevice &device, QTextDocument *into, QString *reason);

// The same for a file; false with a reason when it cannot be read.
bool readRtfFile(const QString &nativePath, QTextDocument *into, QString *error);

} // namespace gallerion::rtf
