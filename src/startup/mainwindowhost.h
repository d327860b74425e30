#pragma once

#include "startup/menuentry.h"
#include "startup/photohandback.h"

#include <QRect>

#include <functional>

class QAction;
class QWidget;

namespace gallerion {

class DesignStage;
class EntryModel;
class MultimediaDevice;
class PhotoLoader;

// What the main window offers the features that plug into it: a place for
// their windows and panels, its state, its device and its menu entries.
class MainWindowHost
{
public:
    virtual ~MainWindowHost() = default;

    // Form1: the owner of the features' windows.
    virtual QWidget *mainWindow() = 0;
    // The designed stage that holds the photo; panels over the photo are its
    // children, placed on it in design pixels.
    virtual DesignStage *stage() = 0;
    // Image4's place on the stage, in design pixels; panels are placed from it.
    virtual QRect photoBox() const = 0;

    virtual void setMainWindowEnabled(bool enabled) = 0;
    // The keyboard goes to the year button after the selected one.
    virtual void focusNextYear() = 0;
    // Opens the photo's entry with the photo on view; false when the photo
    // cannot be shown (the entry is open all the same).
    virtual bool handBackPhoto(const PhotoHandBack &handBack) = 0;

    virtual MultimediaDevice &multimediaDevice() = 0;
    virtual EntryModel &entries() = 0;
    // Decodes photos ahead for every window that shows them.
    virtual PhotoLoader &photoLoader() = 0;

    // The feature that claims an entry handles it; entries that no feature
    // claimed are switched off once every feature is installed.
    virtual QAction *claimMenuEntry(MenuEntry entry) = 0;
    // Called when the right button on the photo asks for the screen-saver
    // photo list; one feature answers it.
    virtual void onScreenSaverListRequested(std::function<void()> open) = 0;
};

} // namespace gallerion
