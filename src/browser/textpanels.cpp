#include "browser/textpanels.h"

#include "browser/entrybrowser.h"
#include "browser/maincontrols.h"
#include "browser/photoview.h"
#include "browser/textpanelfiles.h"
#include "documents/documentviewer.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "widgets/richtextbox.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QLabel>
#include <QPushButton>

namespace gallerion {

using namespace Qt::Literals::StringLiterals;

namespace {
const QString DescriptionError = u"ER002"_s;
const QString StatsError = u"ER027"_s;
const QString ColorsError = u"ER029"_s;
const QString OptionsError = u"ER026"_s;
const QString NostalgiaError = u"ER005"_s;

// The details box, in the main window's pixels.
constexpr int DetailsWidth = 329;
constexpr int DetailsHeight = 106;
constexpr int DetailsInsetRight = 10;
constexpr int DetailsInsetTop = 9;
} // namespace

TextPanels::TextPanels(MainControls &controls, EntryBrowser &browser, ProgramState &state,
                       Platform &platform, QObject *parent)
    : QObject(parent), m_controls(controls), m_browser(browser), m_state(state),
      m_platform(platform)
{
    connectControls();
}

void TextPanels::connectControls()
{
    connect(m_controls.cmdDesc, &QPushButton::clicked, this, &TextPanels::cmdDesc_Click);
    connect(m_controls.cmdStats, &QPushButton::clicked, this, &TextPanels::cmdStats_Click);
    connect(m_controls.cmdColors, &QPushButton::clicked, this, &TextPanels::cmdColors_Click);
    connect(m_controls.cmdOptions, &QPushButton::clicked, this, &TextPanels::cmdOptions_Click);
    connect(m_controls.cmdNostalgia, &QPushButton::clicked, this, &TextPanels::cmdNostalgia_Click);
    connect(m_controls.rtbDetails, &RichTextBox::clicked, this, &TextPanels::rtbDetails_Click);
    connect(&m_browser, &EntryBrowser::detailsRefreshNeeded, this, &TextPanels::refreshDetails);
}

QString TextPanels::selection() const
{
    return m_state.entries().caption();
}

bool TextPanels::nothingOpen() const
{
    return !m_state.entries().isOpen();
}

void TextPanels::fail(const QString &errorCode)
{
    m_platform.screen().setBusy(false);
    ReportError(m_state, m_platform, errorCode);
}

void TextPanels::showDocument(const QString &path, const QString &title, const QString &errorCode,
                              bool bringToFront)
{
    m_state.ErrorCode = errorCode;
    openDocument({path, title, errorCode, bringToFront}, m_state, m_platform, m_controls.window);
}

// Looks the file up on the disc first: the found name, in the disc's own
// letter case, is what gets loaded.
void TextPanels::openLookedUp(const PanelDocument &document, const QString &errorCode)
{
    m_state.ErrorCode = errorCode;
    const QString found =
        m_platform.files().list(m_state.DiscRoot + document.lookupPath).value(0);
    if (found.isEmpty()) {
        fail(errorCode);
        return;
    }
    showDocument(m_state.DiscRoot + document.loadDir + found, document.title, errorCode, false);
}

void TextPanels::cmdDesc_Click()
{
    // With nothing open the description is the introduction.
    openLookedUp(descriptionDocument(selection()), DescriptionError);
}

void TextPanels::cmdStats_Click()
{
    if (nothingOpen())
        return;
    m_state.ErrorCode = StatsError;
    m_browser.FocusNextYearButton();
    if (m_controls.rtbDetails->isVisible()) {
        m_controls.rtbDetails->hide();
        return;
    }
    const QString details =
        detailsFileName(selection(), photoNumberOf(m_state.entries().photoNumber()));
    if (!details.isEmpty()) {
        showDetails(details);
        return;
    }
    openLookedUp(statsDocument(selection()), StatsError);
}

void TextPanels::cmdColors_Click()
{
    if (!nothingOpen())
        openLookedUp(colorsDocument(selection()), ColorsError);
}

void TextPanels::cmdOptions_Click()
{
    if (!nothingOpen())
        openLookedUp(optionsDocument(selection()), OptionsError);
}

void TextPanels::cmdNostalgia_Click()
{
    if (nothingOpen())
        return;
    // No lookup: a missing file fails the load and reports the same code.
    const PanelDocument document = nostalgiaDocument(selection());
    showDocument(m_state.DiscRoot + document.lookupPath, document.title, NostalgiaError, true);
}

void TextPanels::showDetails(const QString &fileName)
{
    RichTextBox *box = m_controls.rtbDetails;
    box->raise();
    placeDetails();
    if (!loadDetails(m_state.DiscRoot + LowerTextDir + fileName)) {
        fail(StatsError);
        return;
    }
    box->show();
}

bool TextPanels::loadDetails(const QString &path)
{
    return m_controls.rtbDetails->setFileName(m_platform.files().nativePath(path));
}

// Over the photo's top, its right edge a little inside the advertisement
// button's right edge; in the design's pixels.
void TextPanels::placeDetails()
{
    const DesignStage *stage = m_controls.stage;
    const QRect frame = stage->designGeometry(m_controls.Frame1);
    const int adRight = frame.left() + stage->designGeometry(m_controls.cmdAd).right() + 1;
    const int top = stage->designGeometry(m_controls.Image4).top() + DetailsInsetTop;
    m_controls.stage->place(m_controls.rtbDetails, QRect(adRight - DetailsWidth - DetailsInsetRight,
                                                         top, DetailsWidth, DetailsHeight));
}

void TextPanels::rtbDetails_Click()
{
    m_controls.rtbDetails->hide();
    m_browser.FocusNextYearButton();
}

void TextPanels::refreshDetails()
{
    // After a forward step the cursor is the photo on screen; after a backward
    // step it stands one before it. ShownPhotoIndex is that photo either way.
    const EntryModel &entries = m_state.entries();
    const QString photo = entries.photoList().value(entries.shownIndex() - 1);
    const QString path = detailsPathOfPhoto(m_state.DiscRoot, photo, entries.codePosition());
    if (!loadDetails(path)) {
        // Better no box than the details of another photo.
        m_controls.rtbDetails->hide();
        fail(StatsError);
        return;
    }
    placeDetails();
}

} // namespace gallerion
