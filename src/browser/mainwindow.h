#pragma once

#include <QMainWindow>

namespace gallerion {

class Platform;
class ProgramState;

// Form1, the main window: the photo of the open entry, the year buttons and
// the panel buttons. Closing it ends the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(ProgramState &state, Platform &platform, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ProgramState &m_state;
    Platform &m_platform;
};

} // namespace gallerion
