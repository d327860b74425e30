#include "browser/entrybrowser.h"

#include "browser/maincontrols.h"
#include "browser/photoview.h"
#include "browser/picturebox.h"
#include "browser/yearbutton.h"
#include "catalogue/entries.h"
#include "catalogue/photolist.h"
#include "platform/platform.h"
#include "widgets/spinbutton.h"
#include "startup/contentlists.h"
#include "startup/errorreporter.h"
#include "startup/photohandback.h"
#include "startup/programstate.h"

#include "widgets/richtextbox.h"
#include "platform/screen.h"
#include "platform/filesystem.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace gallerion {

namespace {
const QString ShowNames = QStringLiteral("Show File &Names");
const QString HideNames = QStringLiteral("Hide File &Names");
} // namespace

EntryBrowser::EntryBrowser(MainControls &controls, ProgramState &state, Platform &platform,
                           QObject *parent)
    : QObject(parent), m_controls(controls), m_state(state), m_platform(platform),
      m_entries(state.entries())
{}

void EntryBrowser::focusYear(int index)
{
    if (index >= 1 && index <= YearButtonCount)
        m_controls.cmdYR[index]->setFocus(Qt::OtherFocusReason);
}

void EntryBrowser::beginOpening()
{
    m_state.YearClicked = true;
    m_platform.screen().setBusy(true);
    m_controls.rtbDetails->hide();
}

// What every way of opening an entry ends with.
void EntryBrowser::finishOpening(int selectedYearButton)
{
    m_platform.screen().setBusy(false);
    m_state.SelectedYearButton = selectedYearButton;
}

void EntryBrowser::yearClicked(int index)
{
    beginOpening();
    m_controls.Image4->clear();
    m_entries.open(YearCaptionOfButton(index), false);
    OpenEntry();
    focusYear(yearButtonAfter(index));
    finishOpening(index);
}

void EntryBrowser::yearKey(int keyCode)
{
    if (keyCode == 188)
        ShowPreviousPhoto();
    else if (keyCode == 190)
        ShowNextPhoto();
}

void EntryBrowser::firstClick()
{
    if (!m_state.FirstClickPending)
        return;
    m_state.FirstClickPending = false;
    m_platform.screen().setBusy(true);
    m_controls.Image4->clear();
    m_state.TargetYearButton = 1;
    m_controls.cmdYR[2]->setEnabled(true);
    focusYear(2);
    m_entries.open(QStringLiteral("1964"), false);
    OpenEntry();
    m_controls.cmdYR[1]->setEnabled(false);
    focusYear(2);
    finishOpening(1);
}

void EntryBrowser::OpenEntry()
{
    m_controls.mnuNames->setEnabled(true);
    m_controls.rtbDetails->hide();
    UpdateEntryButtons();
    m_controls.cmdStats->setText(statsCaptionOf(m_entries.caption(), false));
    if (m_entries.shownIndex() > m_entries.photoCount() ||
        !m_controls.Image4->loadPhoto(m_platform.files().nativePath(m_entries.photoPath()))) {
        m_controls.Image4->hide();
        ReportError(m_state, m_platform, QStringLiteral("ER023"));
        return;
    }
    m_controls.Image4->show();
    schedulePreload();
    checkScreenSaverList();
}

void EntryBrowser::UpdateEntryButtons()
{
    m_state.RestorePending = false;
    m_controls.window->setEnabled(true);
    m_controls.cmdDesc->setEnabled(true);
    if (!m_entries.isOpen())
        return;
    m_controls.SpinButton1->show();
    m_controls.panPhoto->show();
    m_controls.panYear->show();
    const QString &caption = m_entries.caption();
    const PanelAvailability available = panelAvailabilityOf(caption, false);
    const QList<QPushButton *> buttons = m_controls.panelButtons();
    for (QPushButton *button : buttons) {
        const QString name = button->objectName();
        for (int i = 0; i < PanelButtonCount; ++i) {
            if (panelButtonName(PanelButton(i)) == name)
                button->setEnabled(available.enabled[i]);
        }
    }
    m_entries.setCode(EntryCodeOf(caption));
    static const QStringList withoutArtwork{QStringLiteral("Zarvick Mach I "),
                                            QStringLiteral("Zarvick Mach III "),
                                            QStringLiteral("Zarvick Super Stallion "),
                                            QStringLiteral("Danbury Mint Die Cast Models "),
                                            QStringLiteral("Franklin Mint Collector Knives "),
                                            QStringLiteral("Franklin Mint Die Cast Models "),
                                            QStringLiteral("Zarvick Metal Signs "),
                                            QStringLiteral("Zarvick Cookies "),
                                            QStringLiteral("The Zarvick Monopoly Game "),
                                            QStringLiteral("Zarvick Postage Stamps ")};
    if (withoutArtwork.contains(caption)) {
        hideArtwork();
    } else {
        if (caption == QLatin1String("The Classic Dravent "))
            m_controls.picClipArt->hide();
        emit artworkReloadNeeded();
    }
    for (int i = 1; i <= 36; ++i)
        m_controls.cmdYR[i]->setEnabled(true);
}

void EntryBrowser::OpenCollection()
{
    m_platform.screen().setBusy(true);
    m_controls.Image4->clear();
    OpenEntry();
    finishOpening(0);
    m_controls.cmdStats->setText(QStringLiteral("Details"));
    disableCollectionPanels();
    m_controls.rtbDetails->hide();
    m_controls.cmdYR[1]->setEnabled(true);
    focusYear(1);
}

void EntryBrowser::disableCollectionPanels()
{
    for (QPushButton *button : {m_controls.cmdOptions, m_controls.cmdColors, m_controls.cmdScript,
                                m_controls.cmdEmblem, m_controls.cmdAd, m_controls.cmdNostalgia})
        button->setEnabled(false);
}

bool EntryBrowser::showHandedBack(const PhotoHandBack &handBack)
{
    m_controls.rtbDetails->hide();
    m_controls.mnuNames->setEnabled(true);
    m_entries.openAt(handBack.caption, handBack.asCollection, handBack.index);
    UpdateEntryButtons();
    m_controls.cmdStats->setText(handBack.statsCaption);
    if (handBack.asCollection)
        disableCollectionPanels();
    m_state.SelectedYearButton = handBack.selectedYearButton;
    m_controls.cmdYR[handBack.focusYearButton]->setEnabled(true);
    focusYear(handBack.focusYearButton);
    if (!showPhotoAt(handBack.index)) {
        m_controls.Image4->hide();
        return false;
    }
    schedulePreload();
    checkScreenSaverList();
    return true;
}

void EntryBrowser::openCollectionFromMenu(const QString &collection)
{
    m_entries.open(collection, true);
    OpenCollection();
}

void EntryBrowser::hideArtwork()
{
    m_controls.picClipArt->hide();
    m_controls.picEmblem->hide();
    m_controls.picScript->hide();
}

void EntryBrowser::FocusNextYearButton()
{
    focusYear(yearButtonAfter(m_state.SelectedYearButton));
}

bool EntryBrowser::showPhotoAt(int index)
{
    const QString path = m_entries.photoList().value(index - 1);
    if (!m_controls.Image4->loadPhoto(m_platform.files().nativePath(path)))
        return false;
    m_controls.Image4->show();
    m_entries.show(index);
    return true;
}

void EntryBrowser::focusAfterStep()
{
    const QString &code = m_entries.code();
    const int target = focusButtonForEntryCode(code);
    if (code == QLatin1String("A0") || code == QLatin1String("A1"))
        m_controls.cmdYR[target]->setEnabled(true);
    focusYear(target);
}

// The photos one step either way are decoded while this one is on view. The
// decoding starts after the step's paint, so that it does not compete with it.
void EntryBrowser::schedulePreload()
{
    QMetaObject::invokeMethod(this, &EntryBrowser::preloadNeighbours, Qt::QueuedConnection);
}

void EntryBrowser::preloadNeighbours()
{
    QStringList neighbours;
    for (const bool forward : {true, false}) {
        if (const int index = m_entries.peek(forward))
            neighbours.append(
                m_platform.files().nativePath(m_entries.photoList().value(index - 1)));
    }
    m_controls.Image4->preload(neighbours);
}

void EntryBrowser::afterStep(bool forward)
{
    schedulePreload();
    focusAfterStep();
    if (m_controls.rtbDetails->isVisible())
        emit detailsRefreshNeeded(forward);
    checkScreenSaverList();
}

void EntryBrowser::ShowNextPhoto()
{
    stepPhoto(true);
}

void EntryBrowser::ShowPreviousPhoto()
{
    stepPhoto(false);
}

void EntryBrowser::stepPhoto(bool forward)
{
    if (!m_entries.isOpen()) {
        m_controls.cmdYR[1]->setEnabled(true);
        focusYear(1);
        return;
    }
    const int index = m_entries.step(forward);
    if (index == 0)
        return;
    if (!showPhotoAt(index)) {
        ReportError(m_state, m_platform,
                    forward ? QStringLiteral("ER012") : QStringLiteral("ER011"));
        return;
    }
    afterStep(forward);
}

void EntryBrowser::photoPressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_platform.files().makeDirectory(m_state.ProgramDir + QStringLiteral("\\sszarvicks\\"));
        emit screenSaverListRequested();
        return;
    }
    const PhotoCycleStep step = nextInPhotoCycle(m_entries.caption(), m_state.SelectedYearButton);
    beginOpening();
    const int selected = m_state.SelectedYearButton;
    m_state.TargetYearButton = selected >= YearButtonCount ? 1 : selected + 1;
    focusYear(selected >= YearButtonCount ? 2 : m_state.TargetYearButton);
    m_entries.open(step.caption, step.opensAsCollection);
    m_state.TargetYearButton = step.targetYearButton;
    if (step.hidesArtwork)
        hideArtwork();
    if (step.opensAsCollection)
        OpenCollection();
    else
        OpenEntry();
    focusYear(yearButtonAfter(m_state.TargetYearButton));
    finishOpening(m_state.TargetYearButton);
}

void EntryBrowser::toggleFileNames()
{
    if (!m_entries.isOpen())
        return;
    if (m_state.ShowFileNames) {
        hideFileNames();
        return;
    }
    m_state.ShowFileNames = true;
    m_controls.mnuNames->setText(HideNames);
    m_controls.txtFile->show();
    m_controls.txtFile->raise();
}

void EntryBrowser::hideFileNames()
{
    m_state.ShowFileNames = false;
    m_controls.mnuNames->setText(ShowNames);
    m_controls.txtFile->hide();
}

void EntryBrowser::loadArray()
{
    loadPhotoList(m_state, m_platform);
    if (!m_state.isEnding())
        ShowNextPhoto();
}

void EntryBrowser::checkScreenSaverList()
{
    const QString &path = m_entries.photoPath();
    const qsizetype at = path.indexOf(QStringLiteral("\\zarvicks\\"));
    if (at < 0)
        return;
    const QString name = path.mid(at + 10, 12);
    emit screenSaverStateChanged(
        m_platform.files().exists(m_state.ProgramDir + QStringLiteral("\\sszarvicks\\") + name));
}

} // namespace gallerion
