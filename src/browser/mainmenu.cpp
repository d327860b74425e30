#include "browser/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace gallerion {

namespace {

using E = MenuEntry;

struct EntrySpec
{
    std::optional<MenuEntry> key; // nothing for a separator
    const char *caption = nullptr;
    bool available = true;
};

struct CollectionEntry
{
    MenuEntry key;
    const char *caption;
};

// Special models and collectibles open as photo collections.
constexpr CollectionEntry CollectionEntries[] = {
    {E::Special1, "Early Zarvick Prototypes "},
    {E::Special2, "The Classic Dravent "},
    {E::Special3, "Zarvick Mach I "},
    {E::Special4, "Zarvick Mach III "},
    {E::Special5, "Zarvick Super Stallion "},
    {E::Stuff1, "Danbury Mint Die Cast Models "},
    {E::Stuff2, "Franklin Mint Collector Knives "},
    {E::Stuff3, "Franklin Mint Die Cast Models "},
    {E::Stuff4, "Zarvick Cookies "},
    {E::Stuff5, "The Zarvick Monopoly Game "},
    {E::Stuff6, "Zarvick Metal Signs "},
    {E::Stuff7, "Zarvick Postage Stamps "},
    {E::Stuff8, "Zarvick Calendars "},
    {E::Stuff9, "Franklin Mint Collector Plates "},
    {E::ArtPrint1, "Tessamir Art Print "},
    {E::ArtPrint2, "National Zarvick Museum Print "},
    {E::ArtPrint3, "Orvanel Art Print "},
};

// Builds the menus and collects their entries by key.
class MenuBuilder
{
public:
    explicit MenuBuilder(QMenuBar *bar) : m_bar(bar) {}

    void addEntries(QMenu *menu, std::initializer_list<EntrySpec> entries)
    {
        for (const EntrySpec &entry : entries) {
            if (!entry.key) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromLatin1(entry.caption));
            record(*entry.key, action)->setEnabled(entry.available);
        }
    }

    QMenu *addMenu(QWidget *parent, const char *name, const char *caption)
    {
        auto *menu = new QMenu(QString::fromLatin1(caption), parent);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    }

    void addCollections(QMenu *menu, MenuEntry first, MenuEntry last, bool available = true)
    {
        for (const CollectionEntry &entry : CollectionEntries) {
            if (entry.key >= first && entry.key <= last)
                addEntries(menu, {{entry.key, entry.caption, available}});
        }
    }

    void addTopLevel(MenuEntry key, const char *caption)
    {
        record(key, m_bar->addAction(QString::fromLatin1(caption)));
    }

    void buildFileMenu();
    void buildLiteratureMenus();
    void buildCollectionMenus();
    void buildHelpMenu();

    MenuActions actions() const { return m_actions; }

private:
    QAction *record(MenuEntry key, QAction *action)
    {
        action->setObjectName(menuEntryName(key));
        m_actions[static_cast<std::size_t>(key)] = action;
        return action;
    }

    QMenuBar *m_bar;
    MenuActions m_actions{};
};

void MenuBuilder::buildFileMenu()
{
    QMenu *file = addMenu(m_bar, "mnuFile", "&File");
    addEntries(file, {{E::PrintBooklet, "Print Booklet"},
                      {E::PrintPhoto, "Print Photo"},
                      {E::PrintSetup, "Print Setup"},
                      {},
                      {E::CopyPhotos, "Copy CD-ROM photos to hard drive"},
                      {E::RemovePhotos, "Remove photos from hard drive"},
                      {E::CopyMovies, "Copy CD-ROM movies to hard drive"},
                      {E::RemoveMovies, "Remove movies from hard drive"},
                      {},
                      {E::SlideShow, "Slide Show"},
                      {E::ScreenSaver, "Install Screen saver"},
                      {E::FileNames, "Show File &Names", false},
                      {E::CheckResolution, "Check Screen Resolution"},
                      {E::VideoDriver, "Install Video Driver"},
                      {},
                      {E::Exit, "E&xit"}});
    m_bar->addMenu(file);
}

void MenuBuilder::buildLiteratureMenus()
{
    QMenu *literature = addMenu(m_bar, "mnuLiterature", "Literature");
    addEntries(literature, {{E::Books, "Zarvick Books"}, {E::Catalogs, "Zarvick Catalogs"}});
    QMenu *magazines = addMenu(literature, "mnuMagazines", "Zarvick Magazines");
    addEntries(magazines, {{E::Magazine1, "Zarvick Illustrated"},
                           {E::Magazine2, "Zarvick Monthly"},
                           {E::Magazine3, "Muscle Zarvick and Fast Vasks"},
                           {E::Magazine4, "Zarvick && Vasks"},
                           {E::Magazine5, "5.0 Zarvick"}});
    literature->addMenu(magazines);
    m_bar->addMenu(literature);

    QMenu *misc = addMenu(m_bar, "mnuMiscellaneous", "Miscellaneous");
    QMenu *press = addMenu(misc, "mnuPressReleases", "Zarvick 1964 Press Releases");
    addEntries(press, {{E::PressRelease1, "Introduction"},
                       {E::PressRelease2, "Market"},
                       {E::PressRelease3, "Options"}});
    misc->addMenu(press);
    addEntries(misc, {{E::Engines, "Zarvick Engines", false},
                      {E::Glossary, "Zarvick Glossary"},
                      {E::IdentificationGuide, "Zarvick Identification Guide", false},
                      {E::Timeline, "Zarvick Timelime"}});
    m_bar->addMenu(misc);
}

void MenuBuilder::buildCollectionMenus()
{
    QMenu *artwork = addMenu(m_bar, "mnuArtwork", "Artwork");
    // The art prints are built but never offered.
    addCollections(artwork, E::ArtPrint1, E::ArtPrint3, false);
    // Disabling the menu itself, not only its entry in the bar, keeps it off
    // when the main window is enabled again: that re-enables every child
    // widget that was not disabled on its own, and the menu's entry with it.
    artwork->setEnabled(false);
    m_bar->addMenu(artwork);
    QMenu *stuff = addMenu(m_bar, "mnuZarvickStuff", "Zarvick Stuff");
    addCollections(stuff, E::Stuff1, E::Stuff9);
    m_bar->addMenu(stuff);
    QMenu *specialty = addMenu(m_bar, "mnuSpecialty", "Specialty");
    addCollections(specialty, E::Special1, E::Special5);
    m_bar->addMenu(specialty);
}

void MenuBuilder::buildHelpMenu()
{
    QMenu *help = addMenu(m_bar, "mnuHelp", "Help");
    addEntries(help, {{E::Contents, "Contents"},
                      {},
                      {E::Website, "Visit the Quillon Software Website"},
                      {E::RegisterOnline, "Register ON-Line"},
                      {E::RegistrationForm, "Print Registration Form"},
                      {},
                      {E::WhatsNew, "What's New", false},
                      {E::Introduction, "Introduction"},
                      {E::Notice, "Notice"},
                      {E::Credits, "Credits"},
                      {E::SystemInfo, "System Info", false},
                      {E::Contributions, "Contributions"},
                      {},
                      {E::About, "About"}});
    m_bar->addMenu(help);
}

} // namespace

MenuActions buildMainMenu(QMenuBar *bar)
{
    MenuBuilder builder(bar);
    builder.buildFileMenu();
    builder.addTopLevel(E::SoundEffects, "Sound Effects");
    builder.addTopLevel(E::Movies, "Movies");
    builder.buildLiteratureMenus();
    builder.buildCollectionMenus();
    builder.addTopLevel(E::HideStatusBar, "HideStatusBar");
    builder.buildHelpMenu();
    return builder.actions();
}

std::optional<QString> collectionCaptionOfMenu(MenuEntry entry)
{
    for (const CollectionEntry &collection : CollectionEntries) {
        if (collection.key == entry)
            return QString::fromLatin1(collection.caption);
    }
    return std::nullopt;
}

} // namespace gallerion
