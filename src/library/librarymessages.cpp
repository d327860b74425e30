#include "library/librarymessages.h"

namespace gallerion {

namespace {
const QString Crlf = QStringLiteral("\r\n");

QString contentWord(CopyContent content)
{
    return content == CopyContent::Photos ? QStringLiteral("photo") : QStringLiteral("movie");
}
} // namespace

QString formatThousands(qint64 value)
{
    QString digits = QString::number(value);
    const int sign = value < 0 ? 1 : 0;
    for (qsizetype at = digits.size() - 3; at > sign; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

QString notEnoughSpaceText(qint64 available, qint64 needed)
{
    return QStringLiteral("Not enough available hard disk space to copy photos.") + Crlf + Crlf +
           QStringLiteral("Free some up and try again.") + Crlf + Crlf +
           QStringLiteral("You have:  ") + formatThousands(available) + QStringLiteral(" bytes") +
           Crlf + QStringLiteral("You need:   ") + formatThousands(needed - available) +
           QStringLiteral(" bytes more") + Crlf + Crlf + QStringLiteral("For a total of:   ") +
           formatThousands(needed) + QStringLiteral(" bytes free.") + Crlf;
}

QString copyAgainQuestion()
{
    return QStringLiteral("These files have already been copied") + Crlf +
           QStringLiteral("to your hard drive.") + Crlf + Crlf +
           QStringLiteral("Would you like to copy them again?");
}

QString copyDoneText(CopyContent content, int failures)
{
    const bool photos = content == CopyContent::Photos;
    if (failures == 0) {
        return (photos ? QStringLiteral("Photos successfully copied!")
                       : QStringLiteral("Movies successfully copied!")) +
               Crlf;
    }
    QString text = QStringLiteral("%1 %2%3 could not be copied to your hard drive.")
                       .arg(failures)
                       .arg(contentWord(content), failures == 1 ? QString() : QStringLiteral("s"));
    if (photos)
        text += Crlf + Crlf + QStringLiteral("The photos are still read from the CD-ROM.");
    return text + Crlf;
}

QString removeQuestion(CopyContent content)
{
    return QStringLiteral(
               "Would you like to remove all Zarvick Gallerion %1s from your hard drive?")
        .arg(contentWord(content));
}

QString removedText(CopyContent content)
{
    if (content == CopyContent::Movies)
        return QStringLiteral("All movies successfully removed!");
    return QStringLiteral("All Photos Successfully Removed!") + Crlf + Crlf +
           QStringLiteral("You must now exit and re-enter the Zarvick Gallerion to allow ") + Crlf +
           QStringLiteral("the software to find the photos on the cdrom drive.") + Crlf + Crlf +
           QStringLiteral("You must also re-install the Zarvick Gallerion Screen Saver ") + Crlf +
           QStringLiteral("if you have previously installed it.");
}

QString removeFailedText(CopyContent content, const QString &folder)
{
    return QStringLiteral("Not all Zarvick Gallerion %1s could be removed from your hard drive.")
               .arg(contentWord(content)) +
           Crlf + Crlf + QStringLiteral("Some files are left in ") + folder;
}

QString folderFailedText(const QString &folder)
{
    return QStringLiteral("Unable to create the folder ") + folder;
}

} // namespace gallerion
