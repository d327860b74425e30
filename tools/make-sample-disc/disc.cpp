#include "disc.h"

#include "movies.h"
#include "pictures.h"
#include "richtext.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sampledisc {

namespace {

// Stand-ins for Windows programs that the browser only starts or copies, never reads.
QByteArray placeholder(const DiscFile &file)
{
    return QByteArrayLiteral("#!/bin/sh\n# Sample-disc stand-in for the ") + file.title.toUtf8() +
           QByteArrayLiteral(": the real one is a Windows program.\nexit 0\n");
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, out.errorString());
    return {};
}

} // namespace

QByteArray fileBytes(const DiscFile &file)
{
    if (isPicture(file.kind))
        return pictureFile(file);
    switch (file.kind) {
    case FileKind::RichText:
        return richTextFile(file);
    case FileKind::Sound:
        return soundFile(file);
    case FileKind::Movie:
        return movieFile(file);
    default:
        return placeholder(file);
    }
}

QString writeDisc(const QString &root)
{
    const QDir dir(root);
    for (const DiscFile &file : discContents()) {
        const QString error = writeFile(dir.filePath(file.path), fileBytes(file));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace sampledisc
