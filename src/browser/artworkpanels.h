#pragma once

#include "browser/artworkfiles.h"

#include <QObject>

namespace gallerion {

class EntryBrowser;
class Platform;
class PictureBox;
class ProgramState;
struct MainControls;

// The clip art, emblem and script lettering that the main window's buttons
// lay over its photo, and the copy of one of them to the clipboard.
class ArtworkPanels : public QObject
{
    Q_OBJECT
public:
    ArtworkPanels(MainControls &controls, ProgramState &state, Platform &platform,
                  EntryBrowser &browser, QObject *parent);

    void cmdClipArt_Click();
    void cmdEmblem_Click();
    void cmdScript_Click();
    // The loaders the year selection calls while their picture shows.
    void reloadClipArt();
    void loadEmblem();
    void loadScript();
    // After a new selection every picture that shows follows it.
    void reloadShown();

private:
    PictureBox *box(ArtworkKind kind) const;
    void toggle(ArtworkKind kind);
    void loadAndShow(ArtworkKind kind);
    bool load(ArtworkKind kind, const QString &file);
    void place(ArtworkKind kind);
    void pictureClicked(PictureBox *picture);
    void picturePressed(PictureBox *picture, Qt::MouseButton button);
    QString caption() const;
    bool entryOpen() const;

    MainControls &m_controls;
    ProgramState &m_state;
    Platform &m_platform;
    EntryBrowser &m_browser;
};

// Connects the artwork and advertisement buttons of the main window; the
// objects made belong to the owner.
void installArtwork(MainControls &controls, ProgramState &state, Platform &platform,
                    EntryBrowser &browser, QObject *owner);

} // namespace gallerion
