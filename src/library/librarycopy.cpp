#include "library/librarycopy.h"

#include "library/progresspanel.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "startup/applicationtitle.h"
#include "startup/contentlists.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QPushButton>

namespace gallerion {

namespace {
const QString Title = QStringLiteral("The Zarvick Gallerion");
const QString PhotoFolder = QStringLiteral("\\zarvicks\\");
const QString MovieFolder = QStringLiteral("\\movies\\");

qint64 totalOf(CopyContent content)
{
    return content == CopyContent::Photos ? PhotoCopyTotal : MovieCopyTotal;
}
} // namespace

LibraryCopy::LibraryCopy(MainWindowHost &host, ProgramState &state, Platform &platform)
    : QObject(host.stage()), m_host(host), m_state(state), m_platform(platform),
      m_panel(new ProgressPanel(host.stage()))
{
    connect(m_panel->cmdCopy(), &QPushButton::clicked, this, &LibraryCopy::copy);
    connect(m_panel->cmdCancel(), &QPushButton::clicked, m_panel, &QWidget::hide);
}

CopyContent LibraryCopy::content() const
{
    return m_state.CopyMode ? CopyContent::Photos : CopyContent::Movies;
}

QString LibraryCopy::folder() const
{
    return m_state.ProgramDir + (m_state.CopyMode ? PhotoFolder : MovieFolder);
}

int LibraryCopy::tell(const QString &text, MessageIcon icon, MessageButtons buttons,
                      const QString &title)
{
    MessageRequest request;
    request.text = text;
    request.title = title;
    request.icon = icon;
    request.buttons = buttons;
    return m_platform.messages().ask(request);
}

bool LibraryCopy::prepare(CopyContent content)
{
    if (isCopying())
        return false;
    const bool photos = content == CopyContent::Photos;
    m_state.CopyMode = photos;
    m_panel->prepare(photos ? QStringLiteral("Copy photos from CD-ROM to hard drive")
                            : QStringLiteral("Copy Movies from CD-ROM to hard drive"),
                     photos ? QStringLiteral("Copy Photos") : QStringLiteral("Copy Movies"));
    m_panel->placeOver(m_host.photoBox());
    if (!enoughSpace(totalOf(content)))
        return false;
    m_panel->show();
    m_panel->raise();
    m_panel->setButtonsEnabled(true);
    m_panel->cmdCancel()->setFocus();
    return true;
}

// The free space of the volume the copies go to, not of the current directory.
bool LibraryCopy::enoughSpace(qint64 needed)
{
    const qint64 free = m_platform.files().freeSpace(folder());
    if (free < 0)
        tell(QStringLiteral("Internal GetDisk error!"), MessageIcon::None, MessageButtons::Ok,
             Title);
    const qint64 available = availableBytes(free);
    if (available >= needed)
        return true;
    m_state.ErrorText = notEnoughSpaceText(available, needed);
    m_state.ErrorAnswer =
        QString::number(tell(m_state.ErrorText, MessageIcon::Critical, MessageButtons::Ok, Title));
    return false;
}

void LibraryCopy::copy()
{
    if (isCopying())
        return;
    m_panel->setButtonsEnabled(false);
    m_panel->show();
    m_state.CopyAbort = false;
    if (!makeFolder()) {
        abort();
        return;
    }
    m_platform.screen().setBusy(true);
    m_state.CopyRemaining = totalOf(content());
    m_host.setMainWindowEnabled(false);
    QList<CopyItem> items;
    if (!listFiles(items))
        return;
    startJob(std::move(items));
}

// An existing folder means an earlier copy, which stays unless the user says
// to copy again.
bool LibraryCopy::makeFolder()
{
    const QString dir = folder();
    if (m_platform.files().isDirectory(dir)) {
        const int answer =
            tell(copyAgainQuestion(), MessageIcon::Question, MessageButtons::OkCancel, Title);
        m_state.CopyAbort = answer != AnswerOk;
    } else if (!m_platform.files().makeDirectory(dir)) {
        tell(folderFailedText(m_platform.files().nativePath(dir)), MessageIcon::Critical,
             MessageButtons::Ok, Title);
        m_state.CopyAbort = true;
    }
    return !m_state.CopyAbort;
}

void LibraryCopy::abort()
{
    m_panel->setButtonsEnabled(true);
    m_panel->hide();
    emit copyEnded(content(), false);
}

// The disc's photos or movies as the lists name them. The photo list is built
// from the disc first, so that a second copy copies the disc's photos again.
bool LibraryCopy::listFiles(QList<CopyItem> &items)
{
    const bool photos = m_state.CopyMode;
    QStringList names;
    if (photos) {
        m_state.PhotoRoot = m_state.DiscRoot;
        loadPhotoList(m_state, m_platform);
        for (const QString &path : m_state.photoList()) {
            const qsizetype at = path.indexOf(PhotoFolder);
            if (at >= 0)
                names.append(path.mid(at + PhotoFolder.size()));
        }
    } else {
        loadMovieList(m_state, m_platform);
        names = m_state.MovieList;
        names.removeAll(QString());
    }
    if (m_state.isEnding())
        return false;
    const QString from = m_state.DiscRoot + (photos ? PhotoFolder : MovieFolder);
    for (const QString &name : std::as_const(names))
        items.append({from + name, folder() + name});
    return true;
}

void LibraryCopy::startJob(QList<CopyItem> items)
{
    m_job = new CopyJob(m_platform.files(), std::move(items), totalOf(content()), this);
    m_job->setObjectName(QStringLiteral("CopyJob"));
    connect(m_job, &CopyJob::progressed, this, [this] {
        m_panel->showFile(m_job->source(), m_job->fileFill(), m_job->wholeFill());
        m_state.CopyRemaining = m_job->remaining();
    });
    connect(m_job, &CopyJob::fileFailed, this,
            [this](const QString &, const QString &description) { showFailure(description); });
    connect(m_job, &CopyJob::finished, this, &LibraryCopy::finish);
    m_job->start();
}

// The system's own words, in a plain box with no title of its own.
void LibraryCopy::showFailure(const QString &description)
{
    tell(description, MessageIcon::None, MessageButtons::Ok, applicationTitle());
}

// Photos are read from the program directory only once every one of them is there.
void LibraryCopy::finish(int failures)
{
    m_job->deleteLater();
    m_job = nullptr;
    m_panel->showWholeDone();
    m_platform.screen().setBusy(false);
    m_state.ErrorText = copyDoneText(content(), failures);
    m_state.ErrorAnswer = QString::number(
        tell(m_state.ErrorText, MessageIcon::Exclamation, MessageButtons::Ok, Title));
    m_host.setMainWindowEnabled(true);
    if (m_state.CopyMode && failures == 0) {
        m_state.PhotoRoot = m_state.ProgramDir;
        loadPhotoList(m_state, m_platform);
    }
    m_panel->hide();
    emit copyEnded(content(), failures == 0);
}

} // namespace gallerion
