#include "startup/menuentry.h"

#include <array>

namespace gallerion {

namespace {

// In the order of the enumeration.
constexpr std::array<const char *, MenuEntryCount> Names{
    "mnuPrnt",       "mnuPrintPhoto", "mnuPrint",           "mnuCopy",
    "mnuRemove",     "mnuCopyMovies", "mnuRemoveMovies",    "mnuSlideShow",
    "mnuSaver",      "mnuNames",      "mnuCheckResolution", "mnuVideo",
    "mnuExit",       "mnuSound",      "mnuMovies",          "mnuHideStatus",
    "mnuBooks",      "mnuCatalogs",   "mnuMag(1)",          "mnuMag(2)",
    "mnuMag(3)",     "mnuMag(4)",     "mnuMag(5)",          "mnuPR(1)",
    "mnuPR(2)",      "mnuPR(3)",      "mnuMisc(1)",         "mnuMisc(2)",
    "mnuMisc(3)",    "mnuMisc(4)",    "mnuArt(1)",          "mnuArt(2)",
    "mnuArt(3)",     "mnuStuff(1)",   "mnuStuff(2)",        "mnuStuff(3)",
    "mnuStuff(4)",   "mnuStuff(5)",   "mnuStuff(6)",        "mnuStuff(7)",
    "mnuStuff(8)",   "mnuStuff(9)",   "mnuSpecial(1)",      "mnuSpecial(2)",
    "mnuSpecial(3)", "mnuSpecial(4)", "mnuSpecial(5)",      "mnuContents",
    "mnuQLSoftware", "mnuRegisterOL", "mnuRegister",        "mnuWhatsNew",
    "mnuIntro",      "mnuNotice",     "mnuCredits",         "mnuSysInfo",
    "mnuContrib",    "mnuAbout"};

} // namespace

QString menuEntryName(MenuEntry entry)
{
    return QString::fromLatin1(Names[static_cast<std::size_t>(entry)]);
}

} // namespace gallerion
