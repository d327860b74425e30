#pragma once

#include "browser/maincontrols.h"
#include "browser/mainmenu.h"
#include "startup/mainwindowhost.h"

#include <QMainWindow>

#include <bitset>

namespace gallerion {

class DiscImageOpener;
class EntryBrowser;
class Platform;
class ProgramState;
struct MainWindowLayout;

// Form1, the main window: the photo of the open entry, the year buttons, the
// panel buttons and the menus. Closing it ends the program. Features plug in
// through its host interface.
class MainWindow : public QMainWindow, public MainWindowHost
{
    Q_OBJECT
public:
    MainWindow(ProgramState &state, Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    void applyLayout(const MainWindowLayout &layout);
    // Restores the placement and shows the window (its load step).
    void load();
    // Once every feature is installed: entries that nobody handles are switched off.
    void disableUnclaimedMenuEntries();

    QWidget *mainWindow() override { return this; }
    DesignStage *stage() override { return m_controls.stage; }
    QRect photoBox() const override;
    void setMainWindowEnabled(bool enabled) override { setEnabled(enabled); }
    void focusNextYear() override;
    bool handBackPhoto(const PhotoHandBack &handBack) override;
    MultimediaDevice &multimediaDevice() override { return *m_controls.MMControl1; }
    EntryModel &entries() override;
    PhotoLoader &photoLoader() override;
    QAction *claimMenuEntry(MenuEntry entry) override;
    void onScreenSaverListRequested(std::function<void()> open) override;

    // For benchmarks that drive the window directly.
    MainControls &controls() { return m_controls; }
    EntryBrowser &browser() { return *m_browser; }

signals:
    // The start-up window closes when the main window has loaded.
    void loaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A disc image dropped on the window takes the disc's place.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildStage();
    void buildSidePanel();
    void buildFrame();
    void buildYearStrip();
    void connectControls();
    void connectMenus();
    void addDiscImageEntry();
    void returnToMainWindow();
    void fitStage();
    void restorePlacement();
    void savePlacement(const QRect &beforeWholeScreen);
    int titleBarHeight() const;
    void showTaskbar();

    ProgramState &m_state;
    Platform &m_platform;
    MainControls m_controls;
    MenuActions m_menu{};
    std::bitset<MenuEntryCount> m_claimed;
    EntryBrowser *m_browser = nullptr;
    PhotoLoader *m_photoLoader = nullptr;
    DiscImageOpener *m_imageOpener = nullptr;
};

} // namespace gallerion
