#include "library/screensaverphotolist.h"

#include "catalogue/contentpaths.h"
#include "catalogue/entrymodel.h"
#include "library/copyjob.h"
#include "widgets/gauge.h"
#include "library/screensaverlistwindow.h"
#include "library/screensavermessages.h"
#include "platform/clipboard.h"
#include "widgets/photobox.h"
#include "platform/photodecoder.h"
#include "platform/platform.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "startup/screensaverlistclose.h"
#include "platform/helpservice.h"
#include "platform/messagebox.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QApplication>
#include <QImageReader>
#include <QPushButton>

namespace gallerion {

namespace {
const QString Title = QStringLiteral("The Zarvick Gallerion");
} // namespace

ScreenSaverPhotoList::ScreenSaverPhotoList(ScreenSaverListWindow &window, MainWindowHost &host,
                                           ProgramState &state, Platform &platform)
    : QObject(&window), m_window(window), m_host(host), m_state(state), m_platform(platform)
{
    connect(window.SSCommand7, &QPushButton::clicked, this, &ScreenSaverPhotoList::add);
    connect(window.SSCommand8, &QPushButton::clicked, this, &ScreenSaverPhotoList::remove);
    connect(window.SSCommand2, &QPushButton::clicked, this, &ScreenSaverPhotoList::removeAll);
    connect(window.SSCommand3, &QPushButton::clicked, this, &ScreenSaverPhotoList::copyToClipboard);
    connect(window.SSCommand1, &QPushButton::clicked, this, &ScreenSaverPhotoList::help);
    connect(window.SSCommand9, &QPushButton::clicked, &window, &QWidget::close);
    connect(&window, &QDialog::finished, this, [this] { m_host.setMainWindowEnabled(true); });
    connect(&host.entries(), &EntryModel::photoChanged, this, &ScreenSaverPhotoList::refresh);
    refresh();
}

ScreenSaverPhotoList::~ScreenSaverPhotoList()
{
    if (m_job)
        m_platform.screen().setBusy(false);
}

QString ScreenSaverPhotoList::folder() const
{
    return m_state.ProgramDir + ContentDir::ScreenSaverPhotos;
}

QString ScreenSaverPhotoList::photoName() const
{
    const QString &path = m_host.entries().photoPath();
    const qsizetype at = path.lastIndexOf(ContentDir::Photos, -1, Qt::CaseInsensitive);
    return at < 0 ? QString() : path.mid(at + ContentDir::Photos.size());
}

QString ScreenSaverPhotoList::listed(const QString &name) const
{
    return folder() + name;
}

// The photo on view and the buttons that fit it.
void ScreenSaverPhotoList::refresh()
{
    const QString path = m_host.entries().photoPath();
    m_window.Picture1->setImage(path.isEmpty()
                                    ? QImage()
                                    : readImageAsShown(m_platform.files().nativePath(path),
                                                       m_window.Picture1->decodeBox()));
    showButtons();
}

void ScreenSaverPhotoList::showButtons()
{
    const QString name = photoName();
    const bool inList = !name.isEmpty() && m_platform.files().exists(listed(name));
    const bool copying = m_job != nullptr;
    m_window.SSCommand7->setEnabled(!copying && !name.isEmpty() && !inList);
    m_window.SSCommand8->setEnabled(!copying && inList);
    m_window.SSCommand2->setEnabled(
        !copying && !m_platform.files().list(folder() + QStringLiteral("*.jpg")).isEmpty());
    m_window.SSCommand3->setEnabled(!name.isEmpty());
}

int ScreenSaverPhotoList::tell(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    return m_platform.messages().ask({text, Title, icon, buttons});
}

// The copy runs from a timer with its progress in the gauge; the buttons wait
// for its end.
void ScreenSaverPhotoList::add()
{
    const QString name = photoName();
    if (name.isEmpty() || m_job)
        return;
    m_platform.screen().setBusy(true);
    m_failure.clear();
    m_platform.files().makeDirectory(folder());
    m_job = new CopyJob(m_platform.files(), {{m_host.entries().photoPath(), listed(name)}},
                        PhotoCopyTotal, this);
    connect(m_job, &CopyJob::progressed, this,
            [this] { m_window.ProgressGuage->setFill(m_job->fileFill()); });
    connect(m_job, &CopyJob::fileFailed, this,
            [this](const QString &, const QString &description) { m_failure = description; });
    connect(m_job, &CopyJob::finished, this, &ScreenSaverPhotoList::addEnded);
    showButtons();
    m_job->start();
}

void ScreenSaverPhotoList::addEnded(int failures)
{
    m_job->deleteLater();
    m_job = nullptr;
    m_platform.screen().setBusy(false);
    // The buttons are right before the box is up, so nothing waits on the answer.
    showButtons();
    m_window.ProgressGuage->setFill(failures == 0 ? 100.0 : 0.0);
    tell(failures == 0 ? QStringLiteral("Photo Successfully Copied!")
                       : photoCopyFailedText(m_failure),
         MessageIcon::Exclamation);
}

void ScreenSaverPhotoList::remove()
{
    const QString name = photoName();
    if (name.isEmpty())
        return;
    if (!m_platform.files().removeFile(listed(name))) {
        tell(photoRemoveFailedText(m_platform.files().nativePath(listed(name))),
             MessageIcon::Exclamation);
        return;
    }
    m_window.ProgressGuage->setFill(0.0);
    showButtons();
    tell(QStringLiteral("Photo Successfully Removed!"), MessageIcon::Exclamation);
}

void ScreenSaverPhotoList::removeAll()
{
    if (tell(removeAllQuestion(), MessageIcon::Question, MessageButtons::YesNo) != AnswerYes)
        return;
    const FileSystem &files = m_platform.files();
    const QStringList names = files.list(folder() + QStringLiteral("*.jpg"));
    int remaining = 0;
    for (const QString &name : names)
        remaining += files.removeFile(listed(name)) ? 0 : 1;
    m_window.ProgressGuage->setFill(0.0);
    showButtons();
    tell(remaining == 0 ? allRemovedText() : notAllRemovedText(remaining),
         remaining == 0 ? MessageIcon::None : MessageIcon::Exclamation);
}

// The photo itself rather than the reduced picture the window shows.
void ScreenSaverPhotoList::copyToClipboard()
{
    const QString path = m_host.entries().photoPath();
    const QImage photo = QImageReader(m_platform.files().nativePath(path)).read();
    clipboard::clear();
    clipboard::setImage(photo.isNull() ? m_window.Picture1->image() : photo);
}

void ScreenSaverPhotoList::help()
{
    tell(photoListHelpText(), MessageIcon::None);
}

void openScreenSaverList(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == ScreenSaverListName && window->isVisible()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
    auto *window = new ScreenSaverListWindow(platform.screen().designScale(), host.mainWindow());
    window->setAttribute(Qt::WA_DeleteOnClose);
    new ScreenSaverPhotoList(*window, host, state, platform);
    platform.help().attach(window);
    QObject::connect(&state, &ProgramState::endRequested, window, &QWidget::close);
    const QWidget *owner = host.mainWindow();
    window->move(owner->geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace gallerion
