#include "browser/mainwindow.h"

#include "platform/platform.h"
#include "startup/programstate.h"

#include <QCloseEvent>

namespace gallerion {

MainWindow::MainWindow(ProgramState &state, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Zarvick Gallerion    2001"));
    resize(800, 600);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_state.requestEnd();
}

} // namespace gallerion
