#pragma once

#include "browser/maincontrols.h"

#include <QMainWindow>

namespace gallerion {

class EntryBrowser;
class Platform;
class ProgramState;
struct MainWindowLayout;

// Form1, the main window: the photo of the open entry, the year buttons, the
// panel buttons and the menus. Closing it ends the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(ProgramState &state, Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    void applyLayout(const MainWindowLayout &layout);
    // Restores the placement and shows the window (its load step).
    void load();
    void fillYearLists();

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

private:
    void buildStage();
    void buildSidePanel();
    void buildFrame();
    void buildYearStrip();
    void buildHiddenPanels();
    void connectControls();
    void connectMenus();
    void restorePlacement();
    void savePlacement();

    ProgramState &m_state;
    Platform &m_platform;
    MainControls m_controls;
    EntryBrowser *m_browser = nullptr;
};

} // namespace gallerion
