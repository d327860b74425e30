#include "browser/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace gallerion {

namespace {

struct MenuEntry
{
    const char *name; // object name; nullptr for a separator
    const char *caption;
    bool available = true;
};

struct CollectionEntry
{
    const char *name;
    const char *caption;
};

// Special models and collectibles open as photo collections.
constexpr CollectionEntry CollectionEntries[] = {
    {"mnuSpecial(1)", "Early Zarvick Prototypes "},
    {"mnuSpecial(2)", "The Classic Dravent "},
    {"mnuSpecial(3)", "Zarvick Mach I "},
    {"mnuSpecial(4)", "Zarvick Mach III "},
    {"mnuSpecial(5)", "Zarvick Super Stallion "},
    {"mnuStuff(1)", "Danbury Mint Die Cast Models "},
    {"mnuStuff(2)", "Franklin Mint Collector Knives "},
    {"mnuStuff(3)", "Franklin Mint Die Cast Models "},
    {"mnuStuff(4)", "Zarvick Cookies "},
    {"mnuStuff(5)", "The Zarvick Monopoly Game "},
    {"mnuStuff(6)", "Zarvick Metal Signs "},
    {"mnuStuff(7)", "Zarvick Postage Stamps "},
    {"mnuStuff(8)", "Zarvick Calendars "},
    {"mnuStuff(9)", "Franklin Mint Collector Plates "},
    {"mnuArt(1)", "Tessamir Art Print "},
    {"mnuArt(2)", "National Zarvick Museum Print "},
    {"mnuArt(3)", "Orvanel Art Print "},
};

void addEntries(QMenu *menu, std::initializer_list<MenuEntry> entries)
{
    for (const MenuEntry &entry : entries) {
        if (!entry.name) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setEnabled(entry.available);
    }
}

QMenu *addMenu(QWidget *parent, const char *name, const char *caption)
{
    auto *menu = new QMenu(QString::fromLatin1(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addCollections(QMenu *menu, const char *prefix, bool available = true)
{
    for (const CollectionEntry &entry : CollectionEntries) {
        if (QByteArray(entry.name).startsWith(prefix))
            addEntries(menu, {{entry.name, entry.caption, available}});
    }
}

void buildFileMenu(QMenuBar *bar)
{
    QMenu *file = addMenu(bar, "mnuFile", "&File");
    addEntries(file, {{"mnuPrnt", "Print Booklet"},
                      {"mnuPrintPhoto", "Print Photo"},
                      {"mnuPrint", "Print Setup"},
                      {nullptr, nullptr},
                      {"mnuCopy", "Copy CD-ROM photos to hard drive"},
                      {"mnuRemove", "Remove photos from hard drive"},
                      {"mnuCopyMovies", "Copy CD-ROM movies to hard drive"},
                      {"mnuRemoveMovies", "Remove movies from hard drive"},
                      {nullptr, nullptr},
                      {"mnuSlideShow", "Slide Show"},
                      {"mnuSaver", "Install Screen saver"},
                      {"mnuNames", "Show File &Names", false},
                      {"mnuCheckResolution", "Check Screen Resolution"},
                      {"mnuVideo", "Install Video Driver"},
                      {nullptr, nullptr},
                      {"mnuExit", "E&xit"}});
    bar->addMenu(file);
}

void buildLiteratureMenus(QMenuBar *bar)
{
    QMenu *literature = addMenu(bar, "mnuLiterature", "Literature");
    addEntries(literature, {{"mnuBooks", "Zarvick Books"}, {"mnuCatalogs", "Zarvick Catalogs"}});
    QMenu *magazines = addMenu(literature, "mnuMagazines", "Zarvick Magazines");
    addEntries(magazines, {{"mnuMag(1)", "Zarvick Illustrated"},
                           {"mnuMag(2)", "Zarvick Monthly"},
                           {"mnuMag(3)", "Muscle Zarvick and Fast Vasks"},
                           {"mnuMag(4)", "Zarvick && Vasks"},
                           {"mnuMag(5)", "5.0 Zarvick"}});
    literature->addMenu(magazines);
    bar->addMenu(literature);

    QMenu *misc = addMenu(bar, "mnuMiscellaneous", "Miscellaneous");
    QMenu *press = addMenu(misc, "mnuPressReleases", "Zarvick 1964 Press Releases");
    addEntries(press,
               {{"mnuPR(1)", "Introduction"}, {"mnuPR(2)", "Market"}, {"mnuPR(3)", "Options"}});
    misc->addMenu(press);
    addEntries(misc, {{"mnuMisc(1)", "Zarvick Engines", false},
                      {"mnuMisc(2)", "Zarvick Glossary"},
                      {"mnuMisc(3)", "Zarvick Identification Guide", false},
                      {"mnuMisc(4)", "Zarvick Timelime"}});
    bar->addMenu(misc);
}

void buildCollectionMenus(QMenuBar *bar)
{
    QMenu *artwork = addMenu(bar, "mnuArtwork", "Artwork");
    // The art prints are built but never offered.
    addCollections(artwork, "mnuArt(", false);
    artwork->menuAction()->setEnabled(false);
    bar->addMenu(artwork);
    QMenu *stuff = addMenu(bar, "mnuZarvickStuff", "Zarvick Stuff");
    addCollections(stuff, "mnuStuff(");
    bar->addMenu(stuff);
    QMenu *specialty = addMenu(bar, "mnuSpecialty", "Specialty");
    addCollections(specialty, "mnuSpecial(");
    bar->addMenu(specialty);
}

void buildHelpMenu(QMenuBar *bar)
{
    QMenu *help = addMenu(bar, "mnuHelp", "Help");
    addEntries(help, {{"mnuContents", "Contents"},
                      {nullptr, nullptr},
                      {"mnuQLSoftware", "Visit the Quillon Software Website"},
                      {"mnuRegisterOL", "Register ON-Line"},
                      {"mnuRegister", "Print Registration Form"},
                      {nullptr, nullptr},
                      {"mnuWhatsNew", "What's New", false},
                      {"mnuIntro", "Introduction"},
                      {"mnuNotice", "Notice"},
                      {"mnuCredits", "Credits"},
                      {"mnuSysInfo", "System Info", false},
                      {"mnuContrib", "Contributions"},
                      {nullptr, nullptr},
                      {"mnuAbout", "About"}});
    bar->addMenu(help);
}

QAction *addTopLevelAction(QMenuBar *bar, const char *name, const char *caption)
{
    QAction *action = bar->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void buildMainMenu(QMenuBar *bar)
{
    buildFileMenu(bar);
    addTopLevelAction(bar, "mnuSound", "Sound Effects");
    addTopLevelAction(bar, "mnuMovies", "Movies");
    buildLiteratureMenus(bar);
    buildCollectionMenus(bar);
    addTopLevelAction(bar, "mnuHideStatus", "HideStatusBar");
    buildHelpMenu(bar);
}

namespace {
const char *const BuiltProperty = "gallerionBuilt";
}

QAction *findMenuAction(const QObject *window, const QString &name)
{
    QAction *action = window->findChild<QAction *>(name);
    if (action)
        action->setProperty(BuiltProperty, true);
    return action;
}

void disableUnbuiltEntries(const QObject *window)
{
    const auto actions = window->findChildren<QAction *>();
    for (QAction *action : actions) {
        if (!action->menu() && !action->isSeparator() && !action->property(BuiltProperty).toBool())
            action->setEnabled(false);
    }
}

QString collectionCaptionOfMenu(const QString &actionName)
{
    for (const CollectionEntry &entry : CollectionEntries) {
        if (actionName == QLatin1String(entry.name))
            return QString::fromLatin1(entry.caption);
    }
    return {};
}

} // namespace gallerion
