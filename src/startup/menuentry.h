#pragma once

#include <QString>

namespace gallerion {

// Every entry of the main window's menus. Features ask the main window for the
// entries they handle by these keys; the object names are the program's own.
enum class MenuEntry
{
    // File
    PrintBooklet,
    PrintPhoto,
    PrintSetup,
    CopyPhotos,
    RemovePhotos,
    CopyMovies,
    RemoveMovies,
    SlideShow,
    ScreenSaver,
    FileNames,
    CheckResolution,
    VideoDriver,
    Exit,
    // Top level
    SoundEffects,
    Movies,
    HideStatusBar,
    // Literature and Miscellaneous
    Books,
    Catalogs,
    Magazine1,
    Magazine2,
    Magazine3,
    Magazine4,
    Magazine5,
    PressRelease1,
    PressRelease2,
    PressRelease3,
    Engines,
    Glossary,
    IdentificationGuide,
    Timeline,
    // Collections
    ArtPrint1,
    ArtPrint2,
    ArtPrint3,
    Stuff1,
    Stuff2,
    Stuff3,
    Stuff4,
    Stuff5,
    Stuff6,
    Stuff7,
    Stuff8,
    Stuff9,
    Special1,
    Special2,
    Special3,
    Special4,
    Special5,
    // Help
    Contents,
    Website,
    RegisterOnline,
    RegistrationForm,
    WhatsNew,
    Introduction,
    Notice,
    Credits,
    SystemInfo,
    Contributions,
    About,
};

inline constexpr int MenuEntryCount = static_cast<int>(MenuEntry::About) + 1;

// The entry's object name: "mnuBooks", "mnuMag(2)".
QString menuEntryName(MenuEntry entry);

} // namespace gallerion
