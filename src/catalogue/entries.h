#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <span>

namespace gallerion {

// The program's entries: the 38 model years and the special collections.
// An entry is named by its caption in panYear and by a two-character code that
// starts the names of its photos. Captions are compared exactly: case and
// trailing blanks count.

inline constexpr int YearButtonCount = 38;

struct Collection
{
    QLatin1String caption; // with its trailing blank
    QLatin1String code;
};

// The twelve collections that have a code of their own.
std::span<const Collection> collectionTable();

QString EntryCodeOf(const QString &caption);
QString CaptionOfCode(const QString &code);
// A model year's code, "64" ... "99"; "A0", "A1" and the collections are not.
bool isNumericCode(const QString &code);

// Caption of year button i (1..38); empty outside that range.
QString YearCaptionOfButton(int i);

// The year button that follows button i; the row wraps from 38 to 1.
int yearButtonAfter(int i);

// The year button that takes the focus after a photo step in the entry.
int focusButtonForEntryCode(const QString &code);

// The panel buttons below the photo, in the order the tables list them.
enum class PanelButton
{
    Desc,
    Stats,
    Options,
    Colors,
    Script,
    Emblem,
    Ad,
    Nostalgia,
    ClipArt
};
inline constexpr int PanelButtonCount = 9;

QString panelButtonName(PanelButton button); // its object name, e.g. "cmdDesc"

struct PanelAvailability
{
    std::array<bool, PanelButtonCount> enabled{};

    bool operator[](PanelButton button) const { return enabled[static_cast<int>(button)]; }
    bool operator==(const PanelAvailability &) const = default;
};

// Which panel buttons an open entry allows. openedAsCollection: the entry was
// opened through OpenCollection, which switches six more buttons off.
PanelAvailability panelAvailabilityOf(const QString &caption, bool openedAsCollection);

// Caption of cmdStats: "Engines" or "Details".
QString statsCaptionOf(const QString &caption, bool openedAsCollection);

// One left click on the photo: the entry that comes next and how to open it.
struct PhotoCycleStep
{
    QString caption;
    int targetYearButton = 0;
    bool opensAsCollection = false; // through OpenCollection rather than OpenEntry
    bool hidesArtwork = false;      // picClipArt, picScript and picEmblem go
};

PhotoCycleStep nextInPhotoCycle(const QString &caption, int selectedYearButton);

} // namespace gallerion
