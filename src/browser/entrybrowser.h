#pragma once

#include <QObject>

namespace gallerion {

class EntryModel;
struct PhotoHandBack;
class Platform;
class ProgramState;
struct MainControls;

// Opening years and collections in the main window and stepping through their
// photos: changes the entry model and sets the window's buttons to match.
class EntryBrowser : public QObject
{
    Q_OBJECT
public:
    EntryBrowser(MainControls &controls, ProgramState &state, Platform &platform,
                 QObject *parent = nullptr);

    void yearClicked(int index);
    void yearKey(int keyCode);
    void firstClick();
    void photoPressed(Qt::MouseButton button);
    void openCollectionFromMenu(const QString &caption);
    // Opens the entry of a photo another window hands back, with that photo on view.
    bool showHandedBack(const PhotoHandBack &handBack);

    // Shows the entry the model has just opened.
    void OpenEntry();
    void UpdateEntryButtons();
    void OpenCollection();
    void FocusNextYearButton();
    void ShowNextPhoto();
    void ShowPreviousPhoto();
    void toggleFileNames();
    void hideFileNames();
    void loadArray();

signals:
    // The details box is showing and a new photo came on screen.
    void detailsRefreshNeeded(bool forward);
    // Pictures over the photo that are showing belong to the old entry.
    void artworkReloadNeeded();
    // Whether the photo on screen is in the screen-saver list.
    void screenSaverStateChanged(bool listed);
    void screenSaverListRequested();

private:
    void beginOpening();
    void finishOpening(int selectedYearButton);
    void stepPhoto(bool forward);
    bool showPhotoAt(int index);
    void focusYear(int index);
    void focusAfterStep();
    void afterStep(bool forward);
    void schedulePreload();
    void preloadNeighbours();
    void hideArtwork();
    void disableCollectionPanels();
    void checkScreenSaverList();

    MainControls &m_controls;
    ProgramState &m_state;
    Platform &m_platform;
    EntryModel &m_entries;
};

} // namespace gallerion
