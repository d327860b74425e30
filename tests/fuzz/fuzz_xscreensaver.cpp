// Fuzzed sources: src/platform/xscreensaverconfig.cpp
// Adds the program to an arbitrary X screen-saver settings file, with arbitrary system defaults
// beside it. Adding it a second time must change nothing.
#include "fuzzinput.h"
#include "platform/xscreensaverconfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

const gallerion::XScreenSaverEntry Entry{QStringLiteral("Zarvick Gallerion"),
                                         QStringLiteral("/opt/zarvick/Zarvick2001.scr"),
                                         QStringLiteral("--root")};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void checkFile(const QString &dir, const QByteArray &config, const QByteArray &defaults)
{
    const QString configPath = dir + QStringLiteral("/xscreensaver");
    const QString defaultsPath = dir + QStringLiteral("/XScreenSaver");
    write(configPath, config);
    write(defaultsPath, defaults);
    QString error;
    if (!gallerion::registerWithXScreenSaver(configPath, defaultsPath, Entry, &error))
        return;
    const QByteArray once = contentOf(configPath);
    if (!gallerion::registerWithXScreenSaver(configPath, defaultsPath, Entry, &error) ||
        contentOf(configPath) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray input = gallerion::fuzz::bytes(data, size);
    // The first byte says where the user's file ends and the system's defaults begin.
    const qsizetype split = input.isEmpty() ? 0 : quint8(input.at(0)) * input.size() / 256;
    const QByteArray config = input.mid(1, qMax<qsizetype>(0, split - 1));
    const QByteArray defaults = input.mid(qMax<qsizetype>(1, split));
    checkFile(dir.path(), config, defaults);
    return 0;
}
