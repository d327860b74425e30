#include "slideshow/slideshow.h"

#include "catalogue/delaycycle.h"
#include "catalogue/entries.h"
#include "catalogue/entrymodel.h"
#include "widgets/photobox.h"
#include "platform/photoloader.h"
#include "platform/platform.h"
#include "platform/screensaverinhibitor.h"
#include "widgets/spinbutton.h"
#include "slideshow/slidehandback.h"
#include "slideshow/slideshowwindow.h"
#include "startup/clipboardcopy.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"
#include "platform/filesystem.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace gallerion {

namespace {
using Button = MultimediaDevice::Button;
} // namespace

SlideShow::SlideShow(SlideShowWindow &window, MainWindowHost &host, ProgramState &state,
                     Platform &platform)
    : QObject(&window), m_window(window), m_host(host), m_state(state), m_platform(platform),
      m_loader(host.photoLoader()),
      m_inhibitor(new ScreenSaverInhibitor(QStringLiteral("Slide show"), this))
{
    setObjectName(QStringLiteral("slideShow"));
    connectWindow();
}

void SlideShow::connectWindow()
{
    SlideShowWindow *w = &m_window;
    connect(w->mmSlide, &MultimediaDevice::buttonClicked, this, &SlideShow::transportClicked);
    connect(w->SSCommand1, &QPushButton::clicked, this, &SlideShow::beginning);
    connect(w->SSCommand2, &QPushButton::clicked, this, &SlideShow::middle);
    connect(w, &SlideShowWindow::stepKey, this,
            [this](bool forward) { step(forward ? SlideStep::Forward : SlideStep::Backward); });
    connect(w->SpinInterval, &SpinButton::spinUp, this, [this] { spin(true); });
    connect(w->SpinInterval, &SpinButton::spinDown, this, [this] { spin(false); });
    connect(w->Timer1, &QTimer::timeout, this, &SlideShow::tick);
    connect(w, &SlideShowWindow::panelClicked, this, &SlideShow::keepFocus);
    connect(w->Image1, &PhotoBox::pressed, this, &SlideShow::imagePressed);
    w->setCloseGuard([this] { return confirmClose(); });
}

void SlideShow::transportClicked(MultimediaDevice::Button button)
{
    switch (button) {
    case Button::Prev:
        return step(SlideStep::Backward);
    case Button::Next:
        return step(SlideStep::Forward);
    case Button::Play:
        return play();
    case Button::Pause:
        return pause();
    case Button::Back:
        return step(SlideStep::JumpBackward);
    case Button::Step:
        return step(SlideStep::JumpForward);
    case Button::Stop:
        return handBack();
    case Button::Record:
    case Button::Eject:
        return;
    }
}

void SlideShow::prime()
{
    m_window.SpinInterval->setEnabled(true);
    m_state.SlideInterval = ShortestSlideDelay;
    m_window.panInterval->setText(QStringLiteral(" 1 second"));
    m_window.Timer1->stop();
    m_window.Timer1->setInterval(0);
}

bool SlideShow::start(int index)
{
    const int count = m_state.entries().photoCount();
    if (index < 1 || index > count) {
        // Nothing on view: the caption names the slide that Play shows first.
        setYearCaption(1);
        m_window.panYear->setVisible(count > 0);
        m_index = 0;
        return true;
    }
    m_index = index;
    if (!loadSlide(index)) {
        setYearCaption(index);
        m_window.panYear->show();
        report(QStringLiteral("ER013"));
        return false;
    }
    m_window.panYear->show();
    showNumber(index);
    m_window.pnlPhotoNumber->show();
    setYearCaption(index);
    return true;
}

QString SlideShow::photoPath(int index) const
{
    return m_state.entries().photoList().value(index - 1);
}

bool SlideShow::loadSlide(int index)
{
    const QString path = photoPath(index);
    if (path.isEmpty())
        return false;
    const QImage image =
        m_loader.photo(m_platform.files().nativePath(path), m_window.Image1->decodeBox());
    if (image.isNull())
        return false;
    m_window.Image1->setImage(image);
    m_window.Image1->show();
    m_onView = index;
    schedulePreload();
    return true;
}

void SlideShow::setYearCaption(int index)
{
    const EntryModel &entries = m_state.entries();
    const QString code = entryCodeAt(photoPath(index), entries.codePosition());
    m_window.panYear->setText(CaptionOfCode(code));
}

void SlideShow::showNumber(int index)
{
    m_window.pnlPhotoNumber->setText(
        QStringLiteral("%1 of %2").arg(index).arg(m_state.entries().photoCount()));
}

void SlideShow::keepFocus()
{
    m_window.focusFirstButton();
}

// The advance timer waits while a message is up, so that boxes do not pile up.
void SlideShow::report(const QString &code)
{
    const bool ticking = m_window.Timer1->isActive();
    m_window.Timer1->stop();
    ReportError(m_state, m_platform, code);
    if (ticking && m_playing && m_window.isVisible())
        m_window.Timer1->start();
}

void SlideShow::step(SlideStep step)
{
    m_state.RestorePending = false;
    const SlideStepRule rule = slideStepRule(step);
    m_index = stepSlide(step, m_index, m_state.entries().photoCount());
    if (rule.showsNumber)
        m_window.pnlPhotoNumber->show();
    if (rule.numbersBeforeLoad)
        showNumber(m_index);
    if (!loadSlide(m_index)) {
        report(rule.errorCode);
        keepFocus();
        return;
    }
    setYearCaption(m_index);
    m_window.panYear->show();
    showNumber(m_index);
    keepFocus();
}

void SlideShow::beginning()
{
    showNumber(1);
    m_window.pnlPhotoNumber->show();
    m_window.Image1->show();
    m_window.panYear->setText(QStringLiteral("1964"));
    m_window.panYear->show();
    m_index = 1;
    if (!loadSlide(m_index))
        report(QStringLiteral("ER013"));
    keepFocus();
}

void SlideShow::middle()
{
    m_window.Image1->show();
    m_window.panYear->show();
    m_index = middleSlide(m_state.entries().photoCount());
    showNumber(m_index);
    m_window.pnlPhotoNumber->show();
    if (!loadSlide(m_index)) {
        report(QStringLiteral("ER013"));
        keepFocus();
        return;
    }
    m_window.panYear->setText(
        middleCaption(entryCodeAt(photoPath(m_index), m_state.entries().codePosition())));
    keepFocus();
}

void SlideShow::setPlayingButtons(bool playing)
{
    MultimediaDevice *bar = m_window.mmSlide;
    bar->setButtonEnabled(Button::Pause, playing);
    for (const Button button : {Button::Prev, Button::Next, Button::Back, Button::Step})
        bar->setButtonEnabled(button, !playing);
    m_window.SSCommand1->setEnabled(!playing);
    m_window.SSCommand2->setEnabled(!playing);
    m_window.SpinInterval->setEnabled(!playing);
}

void SlideShow::play()
{
    m_state.SlidePlaying = true;
    m_playing = true;
    ++m_index;
    setPlayingButtons(true);
    m_state.RestorePending = true;
    m_window.Timer1->setInterval(m_state.SlideInterval);
    m_window.Timer1->start();
    m_window.pnlPhotoNumber->show();
    m_inhibitor->inhibit();
    schedulePreload();
}

void SlideShow::tick()
{
    if (m_window.Timer1->interval() == 0)
        return;
    const SlideTick tick = tickSlide(m_index, m_state.entries().photoCount());
    // The show goes on past a photo that cannot be loaded.
    m_index = tick.next;
    m_window.panYear->show();
    if (tick.shown == 0)
        return;
    if (!loadSlide(tick.shown)) {
        report(QStringLiteral("ER016"));
        return;
    }
    setYearCaption(tick.shown);
    showNumber(tick.shown);
}

void SlideShow::pause()
{
    m_state.RestorePending = false;
    m_window.Timer1->stop();
    m_window.Timer1->setInterval(0);
    m_playing = false;
    setPlayingButtons(false);
    m_index = pausedSlide(m_index, m_state.entries().photoCount());
    m_inhibitor->release();
    schedulePreload();
    keepFocus();
}

void SlideShow::spin(bool up)
{
    if (!m_window.SpinInterval->isEnabled())
        return;
    m_state.SlideInterval = stepSlideDelay(m_state.SlideInterval, up);
    m_window.panInterval->setText(delayCaption(m_state.SlideInterval));
    keepFocus();
}

void SlideShow::handBack()
{
    m_state.RestorePending = false;
    if (!m_host.entries().isOpen())
        return;
    // While playing the index is the next slide; the one on view goes back.
    const int index = m_playing && m_onView > 0 ? m_onView : qMax(m_index, 1);
    if (!m_host.handBackPhoto(slideHandBack(m_window.panYear->text(), index))) {
        report(QStringLiteral("ER017"));
        keepFocus();
        return;
    }
    m_state.SlideNoConfirm = false;
    keepFocus();
}

// Decoding the next slides waits until this one is painted.
void SlideShow::schedulePreload()
{
    if (m_preloadPending)
        return;
    m_preloadPending = true;
    QMetaObject::invokeMethod(this, &SlideShow::preloadNext, Qt::QueuedConnection);
}

void SlideShow::preloadNext()
{
    m_preloadPending = false;
    const int count = m_state.entries().photoCount();
    QList<int> next;
    if (m_playing) {
        const int shown = tickSlide(m_index, count).shown;
        next.append(shown > 0 ? shown : 1);
    } else {
        next = {stepSlide(SlideStep::Forward, m_index, count),
                stepSlide(SlideStep::Backward, m_index, count)};
    }
    QStringList paths;
    for (const int index : std::as_const(next)) {
        if (const QString path = photoPath(index); !path.isEmpty())
            paths.append(m_platform.files().nativePath(path));
    }
    m_loader.preload(paths, m_window.Image1->decodeBox());
}

void SlideShow::imagePressed(Qt::MouseButton button)
{
    if (button != Qt::RightButton) {
        m_state.LastMouseButton = QStringLiteral(" ");
        if (!m_state.SlidePlaying)
            keepFocus();
        return;
    }
    m_state.LastMouseButton = QStringLiteral("2");
    if (!m_window.Image1->image().isNull())
        CopySelectionToClipboard(m_state, m_platform, m_window.Image1);
}

bool SlideShow::confirmClose()
{
    if (m_state.SlideNoConfirm)
        return true;
    const MessageRequest question{QStringLiteral("Exit The Zarvick Gallerion?"),
                                  QStringLiteral("The Zarvick Gallerion"), MessageIcon::Question,
                                  MessageButtons::OkCancel};
    return m_platform.messages().ask(question) == AnswerOk;
}

} // namespace gallerion
