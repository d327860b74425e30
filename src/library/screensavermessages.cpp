#include "library/screensavermessages.h"

#include "platform/xscreensaversystem.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace gallerion {

namespace {
const QString Crlf = QStringLiteral("\r\n");

QString lines(const QStringList &text)
{
    return text.join(Crlf);
}
} // namespace

QString photoListHelpText()
{
    return lines({QStringLiteral("Use this form to add or remove Zarvick photos from the"),
                  QStringLiteral("Zarvick Gallerion Screen Saver play list. Pick and choose"),
                  QStringLiteral("whatever photos that you would like to include."), QString(),
                  QStringLiteral("Select the Install Screen Saver option under the File menu"),
                  QStringLiteral("to configure the Screen Saver to recognize selected photos."),
                  QString(),
                  QStringLiteral("If you remove all photos, remember to re-install the "),
                  QStringLiteral("Screen Saver and choose the Select All Photos option.")});
}

QString removeAllQuestion()
{
    return QStringLiteral("Would you like to remove all photos from the Zarvick") +
           QStringLiteral(" Gallerion Screen Saver list?");
}

QString allRemovedText()
{
    return lines({QStringLiteral("All Photos Successfully Removed!"),
                  QStringLiteral("You must re-install The Zarvick Gallerion Screen Saver "),
                  QStringLiteral("if you have previously installed it to play Selected Photos.")});
}

QString notAllRemovedText(int remaining)
{
    return lines({remaining == 1
                      ? QStringLiteral("1 photo could not be removed from the Screen Saver list.")
                      : QStringLiteral("%1 photos could not be removed from the Screen Saver list.")
                            .arg(remaining),
                  QString(), QStringLiteral("They are still in the list.")});
}

QString photoCopyFailedText(const QString &description)
{
    return lines({QStringLiteral("The photo could not be added to the Screen Saver list."),
                  QString(), description});
}

QString photoRemoveFailedText(const QString &file)
{
    return lines({QStringLiteral("The photo could not be removed from the Screen Saver list."),
                  QString(), QDir::toNativeSeparators(file)});
}

QString copyPhotosFirstQuestion()
{
    return lines(
        {QStringLiteral("To improve performance, the Zarvick photos may be copied from"),
         QStringLiteral("the Zarvick Gallerion CDROM to your hard drive before you install"),
         QStringLiteral("the Zarvick Gallerion Screen Saver."), QString(),
         QStringLiteral("Would you like to copy the photos now?")});
}

QString installedText(const XScreenSaverSystem &system, const QString &program)
{
    QStringList text{QString(),
                     QStringLiteral("The Zarvick Gallerion Screen Saver has been installed!"),
                     QString()};
    const QString native = QDir::toNativeSeparators(program);
    if (system.inUse) {
        const QString tool = system.settingsTool.isEmpty()
                                 ? QStringLiteral("xscreensaver-settings")
                                 : QFileInfo(system.settingsTool).fileName();
        text << QStringLiteral("If you have not already done so, you must now activate ") +
                    QStringLiteral("the Zarvick Gallerion Screen Saver.")
             << QStringLiteral("To do this follow these steps:")
             << QStringLiteral("    1) Open the screen saver settings: run %1").arg(tool)
             << QStringLiteral("    2) Choose Zarvick Gallerion in the list of display modes")
             << QStringLiteral("    3) Set the mode to \"Only One Screen Saver\"")
             << QStringLiteral("    4) Close the settings window");
        return lines(text);
    }
    text << QStringLiteral("This desktop's own screen locker does not run screen savers of")
         << QStringLiteral("other programs. You can start the Zarvick Gallerion Screen Saver")
         << QStringLiteral("by hand at any time:") << QString()
         << QStringLiteral("    %1").arg(native) << QString()
         << QStringLiteral("or in a window with:") << QString()
         << QStringLiteral("    %1 --window").arg(native) << QString()
         << QStringLiteral("To have it start by itself, install xscreensaver and install")
         << QStringLiteral("the Zarvick Gallerion Screen Saver again.");
    return lines(text);
}

QString intervalCaption(int delayMs)
{
    return QString::number(delayMs / 1000) + QStringLiteral(" Seconds");
}

} // namespace gallerion
