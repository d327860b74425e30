#include "catalogue/entries.h"

#include <algorithm>

namespace gallerion {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::array<Collection, 12> collections{{
    {"Early Zarvick Prototypes "_L1, "PT"_L1},
    {"The Classic Dravent "_L1, "DV"_L1},
    {"Zarvick Mach I "_L1, "M1"_L1},
    {"Zarvick Mach III "_L1, "M3"_L1},
    {"Zarvick Super Stallion "_L1, "MS"_L1},
    {"Danbury Mint Die Cast Models "_L1, "TD"_L1},
    {"Franklin Mint Collector Knives "_L1, "TE"_L1},
    {"Franklin Mint Die Cast Models "_L1, "TF"_L1},
    {"Zarvick Cookies "_L1, "VC"_L1},
    {"The Zarvick Monopoly Game "_L1, "US"_L1},
    {"Zarvick Metal Signs "_L1, "VM"_L1},
    {"Zarvick Postage Stamps "_L1, "ZZ"_L1},
}};

// Collections of the document menus. Their photos are named by these codes;
// they have no row of their own in the panel and cycle tables.
constexpr std::array<Collection, 5> menuCollections{{
    {"Zarvick Calendars "_L1, "TC"_L1},
    {"Franklin Mint Collector Plates "_L1, "TP"_L1},
    {"Tessamir Art Print "_L1, "GB"_L1},
    {"National Zarvick Museum Print "_L1, "GH"_L1},
    {"Orvanel Art Print "_L1, "GL"_L1},
}};

constexpr unsigned panelBit(PanelButton button)
{
    return 1u << static_cast<int>(button);
}

constexpr unsigned descAndStats = panelBit(PanelButton::Desc) | panelBit(PanelButton::Stats);
constexpr unsigned allPanels = (1u << PanelButtonCount) - 1;
// The buttons OpenCollection disables after the entry's own row was applied.
constexpr unsigned openCollectionOff =
    panelBit(PanelButton::Options) | panelBit(PanelButton::Colors) | panelBit(PanelButton::Script) |
    panelBit(PanelButton::Emblem) | panelBit(PanelButton::Ad) | panelBit(PanelButton::Nostalgia);

struct AvailabilityRow
{
    QLatin1String code;
    unsigned enabled;
};

// Collections without a row (and years) keep every button enabled.
constexpr std::array<AvailabilityRow, 12> availabilityRows{{
    {"PT"_L1, panelBit(PanelButton::Stats)},
    {"M1"_L1, panelBit(PanelButton::Stats)},
    {"M3"_L1, descAndStats},
    {"MS"_L1, descAndStats},
    {"VM"_L1, descAndStats},
    {"TD"_L1, descAndStats},
    {"TF"_L1, descAndStats},
    {"ZZ"_L1, panelBit(PanelButton::Desc)},
    {"TE"_L1, panelBit(PanelButton::Desc)},
    {"US"_L1, panelBit(PanelButton::Desc)},
    {"VC"_L1, 0},
    {"DV"_L1, openCollectionOff & ~panelBit(PanelButton::Nostalgia)},
}};

// Collections whose cmdStats reads "Details" even when opened as a plain entry.
constexpr std::array<QLatin1String, 7> statsDetailsCodes{"PT"_L1, "DV"_L1, "M1"_L1, "M3"_L1,
                                                         "MS"_L1, "ZZ"_L1, "TD"_L1};

// The photo cycle after "2001"; it returns to the years through "1964 ".
constexpr std::array<QLatin1String, 12> cycleAfter2001{
    "Early Zarvick Prototypes "_L1,
    "Zarvick Mach I "_L1,
    "Zarvick Mach III "_L1,
    "Zarvick Super Stallion "_L1,
    "Danbury Mint Die Cast Models "_L1,
    "Franklin Mint Collector Knives "_L1,
    "Franklin Mint Die Cast Models "_L1,
    "Zarvick Cookies "_L1,
    "The Zarvick Monopoly Game "_L1,
    "Zarvick Metal Signs "_L1,
    "Zarvick Postage Stamps "_L1,
    "1964 "_L1,
};

constexpr std::array<QLatin1String, 4> cycleOpenedAsCollection{
    "Franklin Mint Die Cast Models "_L1, "Zarvick Cookies "_L1, "The Zarvick Monopoly Game "_L1,
    "Zarvick Metal Signs "_L1};

// Cycle stops that leave the year buttons at the start of the row.
constexpr std::array<QLatin1String, 2> cycleBackToFirstYear{"Zarvick Postage Stamps "_L1,
                                                            "1964 "_L1};

template <std::size_t N>
bool isOneOf(const QString &text, const std::array<QLatin1String, N> &texts)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const Collection *collectionWithCaption(const QString &caption)
{
    const auto found = std::find_if(collections.begin(), collections.end(),
                                    [&](const Collection &c) { return c.caption == caption; });
    return found == collections.end() ? nullptr : &*found;
}

const Collection *collectionWithCode(const QString &code)
{
    const auto found = std::find_if(collections.begin(), collections.end(),
                                    [&](const Collection &c) { return c.code == code; });
    return found == collections.end() ? nullptr : &*found;
}

const Collection *menuCollectionWith(const QString &text, QLatin1String Collection::*field)
{
    const auto found = std::find_if(menuCollections.begin(), menuCollections.end(),
                                    [&](const Collection &c) { return c.*field == text; });
    return found == menuCollections.end() ? nullptr : &*found;
}

unsigned rowOf(const QString &caption)
{
    const Collection *collection = collectionWithCaption(caption);
    if (!collection)
        return allPanels;
    const auto row =
        std::find_if(availabilityRows.begin(), availabilityRows.end(),
                     [&](const AvailabilityRow &r) { return r.code == collection->code; });
    return row == availabilityRows.end() ? allPanels : row->enabled;
}

// The next caption after `caption`, or empty when the cycle goes on by year.
QString cycleSuccessor(const QString &caption)
{
    if (caption == "2001"_L1)
        return cycleAfter2001.front();
    const auto at = std::find(cycleAfter2001.begin(), cycleAfter2001.end() - 1, caption);
    return at == cycleAfter2001.end() - 1 ? QString() : QString(*(at + 1));
}

} // namespace

bool isNumericCode(const QString &code)
{
    return code.size() == 2 && code.at(0).isDigit() && code.at(1).isDigit() &&
           code.at(0).unicode() < 128 && code.at(1).unicode() < 128;
}

std::span<const Collection> collectionTable()
{
    return collections;
}

QString EntryCodeOf(const QString &caption)
{
    if (const Collection *collection = collectionWithCaption(caption))
        return collection->code;
    if (const Collection *collection = menuCollectionWith(caption, &Collection::caption))
        return collection->code;
    const QString code = caption.mid(2, 2);
    if (code == "00"_L1)
        return QStringLiteral("A0");
    if (code == "01"_L1)
        return QStringLiteral("A1");
    return code;
}

QString CaptionOfCode(const QString &code)
{
    if (const Collection *collection = collectionWithCode(code))
        return collection->caption;
    if (const Collection *collection = menuCollectionWith(code, &Collection::code))
        return collection->caption;
    if (code == "A0"_L1)
        return QStringLiteral("2000");
    if (code == "A1"_L1)
        return QStringLiteral("2001");
    return QStringLiteral("19") + code + QLatin1Char(' ');
}

QString YearCaptionOfButton(int i)
{
    if (i >= 1 && i <= 36)
        return QStringLiteral("19") + QString::number(i + 63);
    if (i == 37 || i == 38)
        return QStringLiteral("200") + QString::number(i - 37);
    return QString();
}

int yearButtonAfter(int i)
{
    return i >= YearButtonCount ? 1 : i + 1;
}

int focusButtonForEntryCode(const QString &code)
{
    if (code == "A0"_L1)
        return 38;
    // "A1" and every collection code sort above "99"; all go back to the first year.
    if (!isNumericCode(code))
        return 1;
    const int button = code.toInt() - 62;
    return button >= 1 && button <= YearButtonCount ? button : 1;
}

QString panelButtonName(PanelButton button)
{
    static constexpr std::array<QLatin1String, PanelButtonCount> names{
        "cmdDesc"_L1,   "cmdStats"_L1, "cmdOptions"_L1,   "cmdColors"_L1, "cmdScript"_L1,
        "cmdEmblem"_L1, "cmdAd"_L1,    "cmdNostalgia"_L1, "cmdClipArt"_L1};
    return names[static_cast<int>(button)];
}

PanelAvailability panelAvailabilityOf(const QString &caption, bool openedAsCollection)
{
    unsigned enabled = rowOf(caption);
    if (openedAsCollection)
        enabled &= ~openCollectionOff;
    PanelAvailability availability;
    for (int i = 0; i < PanelButtonCount; ++i)
        availability.enabled[i] = (enabled >> i) & 1u;
    return availability;
}

QString statsCaptionOf(const QString &caption, bool openedAsCollection)
{
    const Collection *collection = collectionWithCaption(caption);
    const bool details =
        openedAsCollection || (collection && isOneOf(collection->code, statsDetailsCodes));
    return details ? QStringLiteral("Details") : QStringLiteral("Engines");
}

PhotoCycleStep nextInPhotoCycle(const QString &caption, int selectedYearButton)
{
    PhotoCycleStep step;
    step.targetYearButton = yearButtonAfter(selectedYearButton);
    step.caption = cycleSuccessor(caption);
    if (step.caption.isEmpty()) {
        // A year, or a collection reached only through the menus.
        step.caption = YearCaptionOfButton(step.targetYearButton);
        return step;
    }
    step.targetYearButton = isOneOf(step.caption, cycleBackToFirstYear) ? 1 : YearButtonCount;
    step.opensAsCollection = isOneOf(step.caption, cycleOpenedAsCollection);
    step.hidesArtwork = caption == "2001"_L1;
    return step;
}

} // namespace gallerion
