#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace gallerion {

class HelpWindow;
class Platform;

// The program's side of the help: opens the help window on its contents page
// and closes it when the window that opened it closes. The pages lie in a
// "help" folder of the program's own folder, or of the executable's folder.
class HelpService : public QObject
{
    Q_OBJECT
public:
    HelpService(QStringList folders, Platform &platform);

    // The contents page, or empty when no folder holds the help.
    QString contentsPage() const;
    // Opens the help, or brings it to the front, over the window; reports
    // missing pages. Null when there is no help.
    HelpWindow *showContents(QWidget *window);
    // F1 in the window opens the help; the help it opened closes when the
    // window is hidden or closed.
    void attach(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_folders;
    Platform &m_platform;
};

} // namespace gallerion
