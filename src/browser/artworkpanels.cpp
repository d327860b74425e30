#include "browser/artworkpanels.h"

#include "browser/advertisementviewer.h"
#include "browser/entrybrowser.h"
#include "browser/maincontrols.h"
#include "browser/photoview.h"
#include "browser/picturebox.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "startup/clipboardcopy.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "platform/filesystem.h"

#include <QPushButton>

namespace gallerion {

namespace {
constexpr ArtworkKind AllKinds[] = {ArtworkKind::ClipArt, ArtworkKind::Emblem, ArtworkKind::Script};
} // namespace

ArtworkPanels::ArtworkPanels(MainControls &controls, ProgramState &state, Platform &platform,
                             EntryBrowser &browser, QObject *parent)
    : QObject(parent), m_controls(controls), m_state(state), m_platform(platform),
      m_browser(browser)
{
    connect(controls.cmdClipArt, &QPushButton::clicked, this, &ArtworkPanels::cmdClipArt_Click);
    connect(controls.cmdEmblem, &QPushButton::clicked, this, &ArtworkPanels::cmdEmblem_Click);
    connect(controls.cmdScript, &QPushButton::clicked, this, &ArtworkPanels::cmdScript_Click);
    connect(&browser, &EntryBrowser::artworkReloadNeeded, this, &ArtworkPanels::reloadShown);
    for (ArtworkKind kind : AllKinds) {
        PictureBox *picture = box(kind);
        connect(picture, &PictureBox::clicked, this, [this, picture] { pictureClicked(picture); });
        connect(picture, &PictureBox::pressed, this,
                [this, picture](Qt::MouseButton button) { picturePressed(picture, button); });
    }
}

QString ArtworkPanels::caption() const
{
    return m_state.entries().caption();
}

bool ArtworkPanels::entryOpen() const
{
    return m_state.entries().isOpen();
}

PictureBox *ArtworkPanels::box(ArtworkKind kind) const
{
    switch (kind) {
    case ArtworkKind::ClipArt:
        return m_controls.picClipArt;
    case ArtworkKind::Emblem:
        return m_controls.picEmblem;
    case ArtworkKind::Script:
        break;
    }
    return m_controls.picScript;
}

bool ArtworkPanels::load(ArtworkKind kind, const QString &file)
{
    const QString path = m_state.DiscRoot + file;
    return box(kind)->loadPicture(m_platform.files().nativePath(path), path);
}

// The pictures keep their place relative to the photo in the design, at their
// natural size there.
void ArtworkPanels::place(ArtworkKind kind)
{
    PictureBox *picture = box(kind);
    DesignStage *stage = m_controls.stage;
    const QSize size = picture->naturalSize();
    const QPoint at = artworkPosition(kind, size, stage->designGeometry(m_controls.Image4),
                                      stage->designGeometry(m_controls.Frame1).y());
    stage->place(picture, QRect(at, size));
}

// The clip art keeps CurrentEntryCode as the year selection set it: the
// photo steps of 2000, 2001 and the collections look their photos up by it.
void ArtworkPanels::cmdClipArt_Click()
{
    if (!m_controls.picClipArt->isHidden()) {
        m_controls.picClipArt->hide();
        return;
    }
    if (!entryOpen())
        return;
    m_browser.FocusNextYearButton();
    loadAndShow(ArtworkKind::ClipArt);
}

void ArtworkPanels::cmdEmblem_Click()
{
    toggle(ArtworkKind::Emblem);
}

void ArtworkPanels::cmdScript_Click()
{
    toggle(ArtworkKind::Script);
}

void ArtworkPanels::toggle(ArtworkKind kind)
{
    if (!entryOpen())
        return;
    if (!box(kind)->isHidden())
        box(kind)->hide();
    else
        loadAndShow(kind);
    m_browser.FocusNextYearButton();
}

// The loaders hide the picture first, so a failure leaves nothing on screen.
void ArtworkPanels::loadAndShow(ArtworkKind kind)
{
    PictureBox *picture = box(kind);
    picture->hide();
    m_state.ErrorCode = artworkErrorCode(kind);
    if (!load(kind, artworkFile(kind, caption()))) {
        ReportError(m_state, m_platform, artworkErrorCode(kind));
        return;
    }
    place(kind);
    picture->raise();
    picture->show();
}

// A clip art that cannot follow the new selection goes, rather than stay
// on screen as the art of another year.
void ArtworkPanels::reloadClipArt()
{
    m_state.ErrorCode = QLatin1String(ClipArtReloadErrorCode);
    if (!load(ArtworkKind::ClipArt, clipArtReloadFile(caption()))) {
        m_controls.picClipArt->hide();
        ReportError(m_state, m_platform, QLatin1String(ClipArtReloadErrorCode));
        return;
    }
    place(ArtworkKind::ClipArt);
}

void ArtworkPanels::loadEmblem()
{
    loadAndShow(ArtworkKind::Emblem);
}

void ArtworkPanels::loadScript()
{
    loadAndShow(ArtworkKind::Script);
}

void ArtworkPanels::reloadShown()
{
    if (!m_controls.picClipArt->isHidden())
        reloadClipArt();
    if (!m_controls.picScript->isHidden())
        loadScript();
    if (!m_controls.picEmblem->isHidden())
        loadEmblem();
}

void ArtworkPanels::pictureClicked(PictureBox *picture)
{
    picture->hide();
    m_browser.FocusNextYearButton();
}

void ArtworkPanels::picturePressed(PictureBox *picture, Qt::MouseButton button)
{
    if (button != Qt::RightButton) {
        m_state.LastMouseButton = QStringLiteral(" ");
        return;
    }
    m_state.LastMouseButton = QStringLiteral("2");
    CopySelectionToClipboard(m_state, m_platform, picture);
}

void installArtwork(MainControls &controls, ProgramState &state, Platform &platform,
                    EntryBrowser &browser, QObject *owner)
{
    new ArtworkPanels(controls, state, platform, browser, owner);
    new AdvertisementViewer(controls, state, platform, owner);
}

} // namespace gallerion
