#include "saver/saverplan.h"

#include "platform/filesystem.h"
#include "startup/screensaversettings.h"

#include <QDir>

namespace gallerion {

SaverPlan planScreenSaver(const SettingsStore &settings, const FileSystem &files)
{
    SaverPlan plan;
    const std::optional<ScreenSaverSettings> installed = readScreenSaverSettings(settings);
    if (!installed) {
        plan.why =
            QStringLiteral("The Zarvick Gallerion Screen Saver is not set up: choose "
                           "Install Screen saver in the File menu of the Zarvick Gallerion.");
        return plan;
    }
    QString dir = installed->zarvicksDir;
    if (!dir.endsWith(QLatin1Char('\\')) && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const QStringList names = files.list(dir + QStringLiteral("*.jpg"));
    for (const QString &name : names)
        plan.photos.append(files.nativePath(dir + name));
    plan.photos.removeAll(QString());
    plan.intervalMs = installed->intervalSeconds * 1000;
    if (plan.photos.isEmpty()) {
        const QString native = files.nativePath(dir);
        plan.why =
            QStringLiteral("There are no Zarvick photos in %1")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(native.isEmpty() ? dir : native)));
    }
    return plan;
}

} // namespace gallerion
