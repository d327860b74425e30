// Fuzzed sources: src/startup/screensaversettings.cpp src/platform/settings*.cpp
// Fuzzed sources: src/platform/trace.cpp
// Reads the screen-saver program's settings from an arbitrary settings file, as the screen
// saver does at every start, and writes back what it read.
#include "fuzzinput.h"
#include "platform/settingsstore.h"
#include "startup/screensaversettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QString settingsFile(const QString &home)
{
    return home + QStringLiteral("/zarvick-gallerion/") + gallerion::screenSaverSettingsApp() +
           QStringLiteral(".ini");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("zarvick-gallerion"));
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(settingsFile(qEnvironmentVariable("XDG_CONFIG_HOME")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    gallerion::SettingsStore store;
    const std::optional<gallerion::ScreenSaverSettings> settings =
        gallerion::readScreenSaverSettings(store);
    if (!settings)
        return 0;
    // What was accepted once reads back the same.
    gallerion::writeScreenSaverSettings(store, *settings);
    const std::optional<gallerion::ScreenSaverSettings> again =
        gallerion::readScreenSaverSettings(store);
    if (!again || again->intervalSeconds != settings->intervalSeconds ||
        again->zarvicksDir != settings->zarvicksDir)
        std::abort();
    return 0;
}
