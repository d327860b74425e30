#include "browser/textpanelfiles.h"

#include <array>
#include <span>

namespace gallerion {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString UpperDir = u"\\RichText\\"_s;
// Seven blanks push a document's name to the right of the caption bar.
const QString TitleHead = u"The Zarvick Gallerion       "_s;

// A collection's caption and the two names it leads to.
struct CollectionRow
{
    QLatin1String caption;
    QLatin1String first;
    QLatin1String second;
};

const CollectionRow *rowOf(std::span<const CollectionRow> rows, const QString &selection)
{
    for (const CollectionRow &row : rows) {
        if (selection == row.caption)
            return &row;
    }
    return nullptr;
}

// Description file and caption; with nothing open, the introduction.
constexpr std::array<CollectionRow, 15> descriptionRows{{
    {""_L1, "intro.rtf"_L1, "Introduction"_L1},
    {"Zarvick Postage Stamps "_L1, "stamps.rtf"_L1, "Zarvick Postage Stamps "_L1},
    {"Zarvick Calendars "_L1, "carstuff.rtf"_L1, "Zarvick Calendars "_L1},
    {"Franklin Mint Collector Knives "_L1, "knives.rtf"_L1, "Franklin Mint Collector Knives "_L1},
    {"Franklin Mint Collector Plates "_L1, "plates.rtf"_L1, "Franklin Mint Collector Plates "_L1},
    {"Franklin Mint Die Cast Models "_L1, "franklin.rtf"_L1, "Franklin Mint Die Cast Models "_L1},
    {"Danbury Mint Die Cast Models "_L1, "danbury.rtf"_L1, "Danbury Mint Die Cast Models "_L1},
    {"Zarvick Cookies "_L1, "cookies.rtf"_L1, "Zarvick Cookies "_L1},
    {"The Zarvick Monopoly Game "_L1, "monopoly.rtf"_L1, "The Zarvick Monopoly Game "_L1},
    {"Zarvick Metal Signs "_L1, "desperat.rtf"_L1, "Zarvick Metal Signs "_L1},
    {"Early Zarvick Prototypes "_L1, "ptdesc.rtf"_L1, "Early Zarvick Prototypes Description "_L1},
    {"The Classic Dravent "_L1, "dvdesc.rtf"_L1, "The Classic Dravent "_L1},
    {"Zarvick Mach I "_L1, "m1desc.rtf"_L1, "Zarvick Mach I "_L1},
    {"Zarvick Mach III "_L1, "m3desc.rtf"_L1, "Zarvick Mach III "_L1},
    {"Zarvick Super Stallion "_L1, "msdesc.rtf"_L1, "Zarvick Super Stallion "_L1},
}};

// Stats file of the collections with their own; the second column is unused.
constexpr std::array<CollectionRow, 3> statsRows{{
    {"The Classic Dravent "_L1, "dvstats.rtf"_L1, {}},
    {"Zarvick Mach III "_L1, "m3stats.rtf"_L1, {}},
    {"Zarvick Super Stallion "_L1, "msstats.rtf"_L1, {}},
}};

// Details prefix for photos 1 to 4 and from photo 5 on. The prefixes keep the
// numbers three digits wide for most collections.
constexpr std::array<CollectionRow, 10> detailsRows{{
    {"Early Zarvick Prototypes "_L1, "pt00"_L1, "pt0"_L1},
    {"Zarvick Mach I "_L1, "m100"_L1, "m10"_L1},
    {"Orvanel Art Print "_L1, "glor0"_L1, "glor0"_L1},
    {"Zarvick Cookies "_L1, "usa00"_L1, "usa00"_L1},
    {"The Zarvick Monopoly Game "_L1, "vck00"_L1, "vck00"_L1},
    {"Zarvick Metal Signs "_L1, "vms00"_L1, "vms00"_L1},
    {"Zarvick Postage Stamps "_L1, "zz00"_L1, "zz0"_L1},
    {"Franklin Mint Collector Knives "_L1, "tek00"_L1, "tek0"_L1},
    {"Franklin Mint Die Cast Models "_L1, "tfm00"_L1, "tfm0"_L1},
    {"Danbury Mint Die Cast Models "_L1, "tdm00"_L1, "tdm0"_L1},
}};

// The name of a year's text: the millennium code for 2000 and 2001, the two
// digits otherwise.
QString yearFileCode(const QString &selection)
{
    return isMillenniumYear(selection) ? millenniumCodeOf(selection) : yearCodeOf(selection);
}

QString yearTitle(const QString &selection, const QString &suffix)
{
    return centuryTitleHead(selection) + yearCodeOf(selection) + suffix;
}

// Colors and Options share one table; only the Options lookup of the years
// before 2000 is written in lower case.
PanelDocument colorsOrOptions(const QString &selection, const QString &file, const QString &suffix,
                              const QString &oldYearsDir)
{
    if (selection == "The Classic Dravent "_L1)
        return {UpperDir + u"dv"_s + file, UpperDir, TitleHead + selection + suffix};
    const QString dir = isMillenniumYear(selection) ? UpperDir : oldYearsDir;
    return {dir + yearFileCode(selection) + file, UpperDir, yearTitle(selection, suffix)};
}

} // namespace

QString yearCodeOf(const QString &selection)
{
    return selection.mid(2, 2);
}

QString millenniumCodeOf(const QString &selection)
{
    return u"a"_s + selection.mid(3, 1);
}

bool isMillenniumYear(const QString &selection)
{
    return selection.startsWith("20"_L1);
}

QString centuryTitleHead(const QString &selection)
{
    return isMillenniumYear(selection) ? u"The Zarvick Gallerion     20"_s
                                       : u"The Zarvick Gallerion       19"_s;
}

PanelDocument descriptionDocument(const QString &selection)
{
    if (const CollectionRow *row = rowOf(descriptionRows, selection))
        return {LowerTextDir + row->first, LowerTextDir, TitleHead + row->second};
    const QString dir = isMillenniumYear(selection) ? UpperDir : LowerTextDir;
    return {dir + yearFileCode(selection) + u"desc.rtf"_s, LowerTextDir,
            yearTitle(selection, u" Description"_s)};
}

PanelDocument colorsDocument(const QString &selection)
{
    return colorsOrOptions(selection, u"colors.rtf"_s, u" Colors"_s, UpperDir);
}

PanelDocument optionsDocument(const QString &selection)
{
    const QString file = isMillenniumYear(selection) ? u"OPTS.rtf"_s : u"opts.rtf"_s;
    return colorsOrOptions(selection, file, u" Options"_s, LowerTextDir);
}

PanelDocument statsDocument(const QString &selection)
{
    if (const CollectionRow *row = rowOf(statsRows, selection))
        return {LowerTextDir + row->first, LowerTextDir,
                TitleHead + selection + u" Specifications"_s};
    if (isMillenniumYear(selection))
        return {UpperDir + millenniumCodeOf(selection) + u"engines.rtf"_s, LowerTextDir,
                yearTitle(selection, u" Statistics"_s)};
    return {LowerTextDir + yearCodeOf(selection) + u"engines.rtf"_s, LowerTextDir,
            yearTitle(selection, u" Engines"_s)};
}

PanelDocument nostalgiaDocument(const QString &selection)
{
    return {LowerTextDir + u"nostalgia"_s + yearCodeOf(selection) + u".rtf"_s, LowerTextDir,
            u"The Zarvick Gallerion     Nostalgia "_s + selection.left(4)};
}

QString detailsFileName(const QString &selection, int photoNumber)
{
    const CollectionRow *row = rowOf(detailsRows, selection);
    if (!row)
        return {};
    return QString(photoNumber < 5 ? row->first : row->second) + QString::number(2 * photoNumber) +
           u".rtf"_s;
}

int photoNumberOf(const QString &caption)
{
    qsizetype digits = 0;
    while (digits < caption.size() && caption.at(digits).isDigit())
        ++digits;
    return caption.left(digits).toInt();
}

QString detailsPathOfPhoto(const QString &discRoot, const QString &photoPath, int codePosition)
{
    if (codePosition < 1)
        return {};
    // From the backslash that closes "\zarvicks\" to the extension. The dot is
    // looked for in the file name only: a hard-disk folder may hold dots.
    const qsizetype nameStart = codePosition + 8;
    if (nameStart >= photoPath.size())
        return {};
    const qsizetype dot = photoPath.indexOf(QLatin1Char('.'), nameStart);
    const QString stem = photoPath.mid(nameStart, dot < 0 ? -1 : dot - nameStart);
    return discRoot + u"\\RichText"_s + stem + u".rtf"_s;
}

} // namespace gallerion
