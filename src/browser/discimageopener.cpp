#include "browser/discimageopener.h"

#include "platform/drivetable.h"
#include "platform/filesystem.h"
#include "platform/messagebox.h"
#include "platform/platform.h"
#include "startup/applicationtitle.h"
#include "startup/contentlists.h"
#include "startup/discimagechoice.h"
#include "startup/programstate.h"

#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

namespace gallerion {

namespace {
const QString ImageFilter = QStringLiteral("Disc images (*.iso *.cue *.bin *.img);;All files (*)");
} // namespace

DiscImageOpener::DiscImageOpener(QWidget &window, ProgramState &state, Platform &platform)
    : QObject(&window), m_window(window), m_state(state), m_platform(platform)
{}

void DiscImageOpener::choose()
{
    const QString image =
        QFileDialog::getOpenFileName(&m_window, QStringLiteral("Open Disc Image"),
                                     discImageFolder(m_platform.settings()), ImageFilter);
    if (!image.isEmpty())
        open(image);
}

QString DiscImageOpener::imageOf(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return QString();
    const QString path = data->urls().first().toLocalFile();
    return isDiscImageFile(path) ? path : QString();
}

// The drive the disc is in; in local-content mode, where there is none, the
// first drive letter searched.
QChar DiscImageOpener::discLetter() const
{
    const QString &disc = m_state.DiscRoot;
    if (disc.size() == 2 && disc.at(1) == QLatin1Char(':'))
        return disc.at(0);
    return QLatin1Char('D');
}

bool DiscImageOpener::open(const QString &imagePath)
{
    const QChar letter = discLetter();
    const QString drive = QString(letter) + QLatin1Char(':');
    FileSystem trial = m_platform.files();
    trial.setDrive(letter, imagePath);
    if (!trial.imageProblem(drive).isEmpty()) {
        refuse(imagePath, trial.imageProblem(drive));
        return false;
    }
    if (trial.list(drive + QStringLiteral("\\zarvicks\\*.jpg")).isEmpty()) {
        refuse(imagePath, QStringLiteral("It holds no photos in \\zarvicks."));
        return false;
    }
    m_platform.files().setDrive(letter, imagePath);
    rememberDiscImage(m_platform.settings(), imagePath);
    if (m_state.PhotoRoot == m_state.DiscRoot || m_state.PhotoRoot.isEmpty())
        m_state.PhotoRoot = drive;
    m_state.DiscRoot = drive;
    loadPhotoList(m_state, m_platform);
    return true;
}

void DiscImageOpener::refuse(const QString &imagePath, const QString &reason)
{
    MessageRequest request;
    request.text =
        QStringLiteral("%1 is not a disc of %2.\r\n%3").arg(imagePath, applicationTitle(), reason);
    request.title = applicationTitle();
    request.icon = MessageIcon::Exclamation;
    m_platform.messages().ask(request);
}

} // namespace gallerion
