#include "slideshow/slidehandback.h"

#include "catalogue/entries.h"

#include <QStringList>

namespace gallerion {

namespace {

// Collections whose buttons the main window sets as the collection menus do.
// The calendars, plates and art prints, which have no year to return to, join them.
const QStringList &handedBackAsCollections()
{
    static const QStringList captions{
        QStringLiteral("Zarvick Postage Stamps "),
        QStringLiteral("Zarvick Metal Signs "),
        QStringLiteral("Zarvick Mach I "),
        QStringLiteral("Early Zarvick Prototypes "),
        QStringLiteral("Zarvick Cookies "),
        QStringLiteral("The Zarvick Monopoly Game "),
        QStringLiteral("Zarvick Mach III "),
        QStringLiteral("Zarvick Super Stallion "),
        QStringLiteral("Danbury Mint Die Cast Models "),
        QStringLiteral("Franklin Mint Die Cast Models "),
        QStringLiteral("Franklin Mint Collector Knives "),
        QStringLiteral("Zarvick Calendars "),
        QStringLiteral("Franklin Mint Collector Plates "),
        QStringLiteral("Tessamir Art Print "),
        QStringLiteral("National Zarvick Museum Print "),
        QStringLiteral("Orvanel Art Print "),
    };
    return captions;
}

} // namespace

PhotoHandBack slideHandBack(const QString &caption, int index)
{
    PhotoHandBack handBack;
    handBack.index = index;
    handBack.caption = caption;
    handBack.statsCaption = QStringLiteral("Engines");
    if (handedBackAsCollections().contains(caption)) {
        handBack.asCollection = true;
        handBack.statsCaption = QStringLiteral("Details");
        return handBack;
    }
    const QString code = EntryCodeOf(caption);
    if (code == QLatin1String("A0")) {
        handBack.focusYearButton = YearButtonCount;
        handBack.selectedYearButton = YearButtonCount - 1;
    } else if (const int button = code.toInt() - 63; isNumericCode(code) && button >= 1) {
        handBack.focusYearButton = button + 1;
        handBack.selectedYearButton = button;
    }
    // 2001 and the Dravent leave the keyboard on the first year.
    return handBack;
}

} // namespace gallerion
