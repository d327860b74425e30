#include "platform/media/videodecoders.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace gallerion {

namespace {

QStringList pluginFolders()
{
    QStringList folders;
    for (const char *variable : {"GST_PLUGIN_PATH_1_0", "GST_PLUGIN_PATH",
                                 "GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_SYSTEM_PATH"})
        folders += qEnvironmentVariable(variable).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // Debian's multiarch folders, then the plain ones other systems use.
    for (const QString &lib : {QStringLiteral("/usr/lib"), QStringLiteral("/usr/lib64"),
                               QStringLiteral("/usr/local/lib")}) {
        const QDir dir(lib);
        for (const QString &arch : dir.entryList({QStringLiteral("*-linux-gnu*")}, QDir::Dirs))
            folders.append(dir.filePath(arch + QStringLiteral("/gstreamer-1.0")));
        folders.append(dir.filePath(QStringLiteral("gstreamer-1.0")));
    }
    return folders;
}

} // namespace

bool libavDecodersInstalled()
{
    const QStringList folders = pluginFolders();
    return std::any_of(folders.begin(), folders.end(), [](const QString &folder) {
        return QFileInfo::exists(folder + QStringLiteral("/libgstlibav.so"));
    });
}

} // namespace gallerion
