#include "startup/errormessages.h"

#include <QHash>

namespace gallerion {

namespace {

const QHash<QString, QString> &messageTable()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("ER001"), QStringLiteral(" Unable to detect the Zarvick Gallerion CDROM.")},
        {QStringLiteral("ER002"),
         QStringLiteral(" Unable to load  Description  for year selected.")},
        {QStringLiteral("ER003"),
         QStringLiteral(" Unable to load Intel Video driver install software.")},
        {QStringLiteral("ER004"), QStringLiteral(" Unable to load the text file.")},
        {QStringLiteral("ER005"), QStringLiteral(" Unable to load the text file.")},
        {QStringLiteral("ER006"), QStringLiteral(" Unable to load the text file.")},
        {QStringLiteral("ER007"),
         QStringLiteral(" Unable to load  Description  for year selected.")},
        {QStringLiteral("ER008"), QStringLiteral(" Unable to load the text file.")},
        {QStringLiteral("ER009"), QStringLiteral(" Unable to load the text file.")},
        {QStringLiteral("ER010"), QStringLiteral(" Unable to load the Credits text file.")},
        {QStringLiteral("ER011"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER012"), QStringLiteral(" Unable to load photo.")},
        {QStringLiteral("ER013"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER014"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER015"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER016"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER017"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER018"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER020"), QStringLiteral(" Error loading text file.")},
        {QStringLiteral("ER021"), QStringLiteral(" Unable to load  Script  for year selected.")},
        {QStringLiteral("ER022"), QStringLiteral(" Unable to load  Emblem  for year selected.")},
        {QStringLiteral("ER023"), QStringLiteral(" Zarvick photo not found for year selected.")},
        {QStringLiteral("ER024"), QStringLiteral(" Zarvick clip art not found for year selected.")},
        {QStringLiteral("ER025"), QStringLiteral(" Unable to load the Notice text file.")},
        {QStringLiteral("ER026"), QStringLiteral(" Unable to load the Options text file.")},
        {QStringLiteral("ER027"), QStringLiteral(" Unable to load the Engines text file.")},
        {QStringLiteral("ER028"), QStringLiteral(" Unable to load the Engines text file.")},
        {QStringLiteral("ER029"), QStringLiteral(" Unable to load the Colors text file.")},
        {QStringLiteral("ER030"), QStringLiteral(" Unable to load the Press release text file.")},
        {QStringLiteral("ER031"), QStringLiteral(" ")},
        {QStringLiteral("ER033"), QStringLiteral(" Unable to load 'Postage Stamps' text file.")},
        {QStringLiteral("ER034"),
         QStringLiteral(" You must select both a Start Year and an End Year. ")},
        {QStringLiteral("ER035"), QStringLiteral(" Zarvick clip art not found for year selected.")},
        {QStringLiteral("ER036"),
         QStringLiteral(" 'TO' year may not be earlier than 'FROM' year.")},
        {QStringLiteral("ER037"), QStringLiteral(" Unable to load the photo array.")},
        {QStringLiteral("ER038"), QStringLiteral(" Unable to load the 'Sound Effects' file.")},
        {QStringLiteral("ER039"), QStringLiteral(" Unable to load Slide Show photo.")},
        {QStringLiteral("ER040"), QStringLiteral(" Unable to load file for printing.")},
        {QStringLiteral("ER041"),
         QStringLiteral(" Unable to load  Rear Emblem for year selected.")},
        {QStringLiteral("ER042"),
         QStringLiteral(" Unable to load  Side Emblem for year selected.")},
        {QStringLiteral("ER043"), QStringLiteral("  ")},
        {QStringLiteral("ER044"), QStringLiteral(" Unable to load Zarvick Ad.")},
        {QStringLiteral("ER045"), QStringLiteral(" Unable to load Zarvick Movie.")},
        {QStringLiteral("ER046"), QStringLiteral(" ")},
        {QStringLiteral("ER047"), QStringLiteral(" ")},
        {QStringLiteral("ER048"), QStringLiteral(" ")},
        {QStringLiteral("ER049"), QStringLiteral(" Unable to find Screen Saver.")},
        {QStringLiteral("ER050"),
         QStringLiteral(" Unable to load 'Identification Guide' text file.")},
        {QStringLiteral("ER051"), QStringLiteral(" ")},
        {QStringLiteral("ER052"),
         QStringLiteral(" Unable to load 'Install Screen Saver Help' text file.")},
        {QStringLiteral("ER053"), QStringLiteral(" Unable to load 'Contributions' text file.")},
        {QStringLiteral("ER054"), QStringLiteral("       ")},
        {QStringLiteral("ER055"), QStringLiteral(" Unable to detect the Zarvick Gallerion CDROM.")},
        {QStringLiteral("ER056"), QStringLiteral(" Unable to load 'What's New' text file.")},
    };
    return table;
}

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

QString errorMessageOf(const QString &code, const QString &soundFilePath)
{
    if (code == QLatin1String("ER032"))
        return QStringLiteral(" Unable to load sound file: ") + soundFilePath.mid(5);
    return messageTable().value(code);
}

QString composeErrorText(const QString &code, const QString &soundFilePath)
{
    QString text = QStringLiteral("Error number: ") + code + LineBreak + LineBreak +
                   errorMessageOf(code, soundFilePath);
    // Wrong input, not missing content: no word about the disc.
    if (code == QLatin1String("ER034") || code == QLatin1String("ER036"))
        return text;
    return text + LineBreak + LineBreak +
           QStringLiteral("Make sure that the Zarvick Gallerion is in the CDROM drive.");
}

bool isRetryCancelCode(const QString &code)
{
    return code == QLatin1String("ER001") || code == QLatin1String("ER037") ||
           code == QLatin1String("ER055");
}

} // namespace gallerion
