#include "startup/discimagechoice.h"

#include "platform/drivetable.h"
#include "platform/settingsstore.h"
#include "startup/applicationtitle.h"

#include <QDir>
#include <QFileInfo>

namespace gallerion {

namespace {
const QString Section = QStringLiteral("Settings");
const QString ImageKey = QStringLiteral("DiscImage");
const QString FolderKey = QStringLiteral("DiscImageFolder");
} // namespace

QString discImageArgument(const QString &argumentText)
{
    if (!isDiscImageFile(argumentText))
        return QString();
    return QFileInfo(argumentText).absoluteFilePath();
}

QString rememberedDiscImage(const SettingsStore &settings)
{
    return settings.value(applicationTitle(), Section, ImageKey, QString());
}

void rememberDiscImage(SettingsStore &settings, const QString &imagePath)
{
    const QFileInfo image(imagePath);
    settings.setValue(applicationTitle(), Section, ImageKey, image.absoluteFilePath());
    settings.setValue(applicationTitle(), Section, FolderKey, image.absolutePath());
}

QString discImageFolder(const SettingsStore &settings)
{
    return settings.value(applicationTitle(), Section, FolderKey, QDir::homePath());
}

} // namespace gallerion
