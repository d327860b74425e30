#include "browser/mainwindow.h"

#include "browser/artworkpanels.h"
#include "browser/discimageopener.h"
#include "browser/entrybrowser.h"
#include "browser/entrylabels.h"
#include "browser/mainwindowlayout.h"
#include "browser/photoview.h"
#include "browser/picturebox.h"
#include "browser/textpanels.h"
#include "browser/windowplacement.h"
#include "browser/yearbutton.h"
#include "catalogue/entries.h"
#include "widgets/designstage.h"
#include "platform/media/multimediadevice.h"
#include "platform/photoloader.h"
#include "platform/platform.h"
#include "widgets/richtextbox.h"
#include "widgets/spinbutton.h"
#include "platform/twips.h"
#include "startup/programstate.h"
#include "platform/taskbar.h"
#include "platform/screen.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace gallerion {

namespace {

template <typename T> T *named(QWidget *parent, const QString &name)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel *panel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = named<QLabel>(parent, name);
    label->setText(caption);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(2);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *pushButton = named<QPushButton>(parent, name);
    pushButton->setText(caption);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

MainWindow::MainWindow(ProgramState &state, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Zarvick Gallerion    2001"));
    m_controls.window = this;
    m_menu = buildMainMenu(menuBar());
    m_controls.mnuNames = claimMenuEntry(MenuEntry::FileNames);
    buildStage();
    m_browser = new EntryBrowser(m_controls, m_state, m_platform, this);
    new EntryLabels(m_state.entries(), m_controls.panYear, m_controls.panPhoto, m_controls.txtFile,
                    this);
    applyLayout(MainWindowLayout::designed());
    connectControls();
    connectMenus();
    addDiscImageEntry();
    installArtwork(m_controls, m_state, m_platform, *m_browser, this);
    new TextPanels(m_controls, *m_browser, m_state, m_platform, this);
    connect(&m_state, &ProgramState::returnedToMainWindow, this, &MainWindow::returnToMainWindow);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStage()
{
    auto *central = named<QWidget>(this, QStringLiteral("centralWidget"));
    central->setStyleSheet(QStringLiteral("#centralWidget { background: #2b2b33; }"));
    m_controls.stage = new DesignStage(mainStageSize(), central);
    m_controls.stage->setObjectName(QStringLiteral("stage"));
    m_controls.stage->setAutoFillBackground(true);
    QPalette stagePalette = m_controls.stage->palette();
    stagePalette.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    m_controls.stage->setPalette(stagePalette);
    QFont stageFont = m_controls.stage->font();
    stageFont.setPixelSize(11);
    m_controls.stage->setDesignFont(stageFont);
    central->installEventFilter(this);
    setCentralWidget(central);

    m_photoLoader = new PhotoLoader(this);
    m_controls.Image4 = new PhotoView(*m_photoLoader, m_controls.stage);
    m_controls.Image4->setObjectName(QStringLiteral("Image4"));
    buildSidePanel();
    buildFrame();
    buildYearStrip();
}

void MainWindow::buildSidePanel()
{
    DesignStage *stage = m_controls.stage;
    m_controls.panYear = panel(stage, QStringLiteral("panYear"), QString());
    QFont yearFont = stage->font();
    yearFont.setPixelSize(11);
    yearFont.setBold(true);
    stage->setDesignFont(m_controls.panYear, yearFont);
    m_controls.panYear->setWordWrap(true);
    stage->place(m_controls.panYear, twipsRect(9780, 60, 2130, 660));
    m_controls.panPhoto = panel(stage, QStringLiteral("panPhoto"), QString());
    stage->place(m_controls.panPhoto, twipsRect(9780, 810, 900, 420));
    m_controls.SpinButton1 = named<SpinButton>(stage, QStringLiteral("SpinButton1"));
    stage->place(m_controls.SpinButton1, twipsRect(10740, 810, 360, 420));
    // They show once an entry opens; until then the caption only records that none is.
    m_controls.panYear->hide();
    m_controls.panPhoto->hide();
    m_controls.SpinButton1->hide();
    m_controls.txtFile = named<QLineEdit>(stage, QStringLiteral("txtFile"));
    m_controls.txtFile->setReadOnly(true);
    stage->place(m_controls.txtFile, twipsRect(9780, 1320, 2130, 360));
    m_controls.txtFile->hide();
    m_controls.Command1 = button(stage, QStringLiteral("Command1"), QStringLiteral("Load Array"));
    stage->place(m_controls.Command1, twipsRect(9780, 1770, 2130, 390));
    m_controls.Command1->hide();
    m_controls.rtbDetails = named<RichTextBox>(stage, QStringLiteral("rtbDetails"));
    stage->place(m_controls.rtbDetails, twipsRect(1200, 1200, 5400, 3600));
    connect(stage, &DesignStage::scaleChanged, m_controls.rtbDetails, &RichTextBox::setZoom);
    m_controls.rtbDetails->hide();
    const auto artwork = [stage](const QString &name) {
        auto *picture = named<PictureBox>(stage, name);
        picture->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
        picture->hide();
        return picture;
    };
    m_controls.picClipArt = artwork(QStringLiteral("picClipArt"));
    m_controls.picEmblem = artwork(QStringLiteral("picEmblem"));
    m_controls.picScript = artwork(QStringLiteral("picScript"));
    m_controls.MMControl1 = named<MultimediaDevice>(stage, QStringLiteral("MMControl1"));
    m_controls.MMControl1->hide();
}

void MainWindow::buildFrame()
{
    m_controls.Frame1 = named<QFrame>(m_controls.stage, QStringLiteral("Frame1"));
    m_controls.Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QWidget *frame = m_controls.Frame1;
    m_controls.cmdDesc = button(frame, QStringLiteral("cmdDesc"), QStringLiteral("Description"));
    m_controls.cmdOptions = button(frame, QStringLiteral("cmdOptions"), QStringLiteral("Options"));
    m_controls.cmdStats = button(frame, QStringLiteral("cmdStats"), QStringLiteral("Engines"));
    m_controls.cmdColors = button(frame, QStringLiteral("cmdColors"), QStringLiteral("Colors"));
    m_controls.cmdScript = button(frame, QStringLiteral("cmdScript"), QStringLiteral("Script"));
    m_controls.cmdEmblem = button(frame, QStringLiteral("cmdEmblem"), QStringLiteral("Emblem"));
    m_controls.cmdClipArt = button(frame, QStringLiteral("cmdClipArt"), QStringLiteral("Clip Art"));
    m_controls.cmdAd = button(frame, QStringLiteral("cmdAd"), QStringLiteral("Ad"));
    m_controls.cmdNostalgia =
        button(frame, QStringLiteral("cmdNostalgia"), QStringLiteral("Nostalgia"));
    // Until an entry is open only the description (the introduction) makes sense.
    for (QPushButton *panelButton : m_controls.panelButtons())
        panelButton->setEnabled(panelButton == m_controls.cmdDesc);
}

void MainWindow::buildYearStrip()
{
    m_controls.yearStrip = named<QWidget>(m_controls.stage, QStringLiteral("yearStrip"));
    m_controls.stage->place(m_controls.yearStrip, twipsRect(0, 6600, 12000, 840));
    for (int i = 1; i <= YearButtonCount; ++i)
        m_controls.cmdYR[i] = new YearButton(i, YearCaptionOfButton(i), m_controls.yearStrip);
    m_controls.cmdExit =
        button(m_controls.yearStrip, QStringLiteral("cmdExit"), QStringLiteral("Exit"));
}

void MainWindow::applyLayout(const MainWindowLayout &layout)
{
    DesignStage *stage = m_controls.stage;
    stage->place(m_controls.Image4, layout.image4);
    stage->place(m_controls.Frame1, layout.frame1);
    for (int i = 1; i <= YearButtonCount; ++i)
        stage->place(m_controls.cmdYR[i], twipsRect(layout.yearButton[i]));
    stage->place(m_controls.cmdExit, twipsRect(layout.exitButton));
    const QList<QPushButton *> panels = m_controls.panelButtons();
    for (int i = 0; i < MainWindowLayout::PanelCount; ++i)
        stage->place(panels[i], twipsRect(layout.panelButton[i]));
}

void MainWindow::connectControls()
{
    for (int i = 1; i <= YearButtonCount; ++i) {
        connect(m_controls.cmdYR[i], &QPushButton::clicked, m_browser,
                [this, i] { m_browser->yearClicked(i); });
        connect(m_controls.cmdYR[i], &YearButton::keyCode, m_browser, &EntryBrowser::yearKey);
    }
    connect(m_controls.SpinButton1, &SpinButton::spinUp, m_browser, &EntryBrowser::ShowNextPhoto);
    connect(m_controls.SpinButton1, &SpinButton::spinDown, m_browser,
            &EntryBrowser::ShowPreviousPhoto);
    connect(m_controls.Image4, &PhotoView::pressed, m_browser, &EntryBrowser::photoPressed);
    connect(m_controls.Command1, &QPushButton::clicked, m_browser, &EntryBrowser::loadArray);
    connect(m_controls.cmdExit, &QPushButton::clicked, this, &QWidget::close);
    m_controls.txtFile->installEventFilter(this);
}

void MainWindow::connectMenus()
{
    connect(m_controls.mnuNames, &QAction::triggered, m_browser, &EntryBrowser::toggleFileNames);
    connect(claimMenuEntry(MenuEntry::Exit), &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i < MenuEntryCount; ++i) {
        const auto entry = static_cast<MenuEntry>(i);
        const std::optional<QString> collection = collectionCaptionOfMenu(entry);
        if (!collection)
            continue;
        connect(claimMenuEntry(entry), &QAction::triggered, m_browser,
                [this, caption = *collection] { m_browser->openCollectionFromMenu(caption); });
    }
}

void MainWindow::addDiscImageEntry()
{
    m_imageOpener = new DiscImageOpener(*this, m_state, m_platform);
    auto *entry = new QAction(QStringLiteral("Open Disc Image…"), this);
    entry->setObjectName(QStringLiteral("mnuOpenDiscImage"));
    auto *file = menuBar()->findChild<QMenu *>(QStringLiteral("mnuFile"));
    file->insertAction(file->actions().value(0), entry);
    file->insertSeparator(file->actions().value(1));
    connect(entry, &QAction::triggered, m_imageOpener, &DiscImageOpener::choose);
    setAcceptDrops(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DiscImageOpener::imageOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString image = DiscImageOpener::imageOf(event->mimeData());
    if (image.isEmpty())
        return;
    event->acceptProposedAction();
    m_imageOpener->open(image);
}

QAction *MainWindow::claimMenuEntry(MenuEntry entry)
{
    const auto at = static_cast<std::size_t>(entry);
    m_claimed.set(at);
    return m_menu[at];
}

void MainWindow::onScreenSaverListRequested(std::function<void()> open)
{
    connect(m_browser, &EntryBrowser::screenSaverListRequested, this, std::move(open));
}

void MainWindow::disableUnclaimedMenuEntries()
{
    for (std::size_t i = 0; i < m_menu.size(); ++i) {
        if (!m_claimed.test(i))
            m_menu[i]->setEnabled(false);
    }
}

QRect MainWindow::photoBox() const
{
    return m_controls.stage->designGeometry(m_controls.Image4);
}

// The stage takes the largest size of its design's proportions that fits the
// window, and every other window follows its scale.
void MainWindow::fitStage()
{
    const QSize area = centralWidget()->size();
    DesignStage *stage = m_controls.stage;
    const double scale =
        m_platform.screen().scalingEnabled() ? fitScale(stage->designSize(), area) : 1.0;
    stage->setScale(scale);
    m_platform.screen().setDesignScale(scale);
    stage->move((area.width() - stage->width()) / 2, (area.height() - stage->height()) / 2);
}

EntryModel &MainWindow::entries()
{
    return m_state.entries();
}

PhotoLoader &MainWindow::photoLoader()
{
    return *m_photoLoader;
}

void MainWindow::focusNextYear()
{
    m_browser->FocusNextYearButton();
}

bool MainWindow::handBackPhoto(const PhotoHandBack &handBack)
{
    return m_browser->showHandedBack(handBack);
}

// A disabled window takes no focus, so it is enabled first.
void MainWindow::returnToMainWindow()
{
    setEnabled(true);
    focusNextYear();
}

void MainWindow::load()
{
    QAction *illustrated = m_menu[static_cast<std::size_t>(MenuEntry::Magazine1)];
    illustrated->setText(illustrated->text().replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_platform.screen().setBusy(false);
    emit loaded();
    m_controls.Frame1->raise();
    restorePlacement();
    if (m_state.LocalContentMode)
        m_controls.Command1->show();
    show();
}

void MainWindow::restorePlacement()
{
    const QSize screenTwips = m_platform.screen().twips();
    // The placement gives the frame's corner but the inner size, so the title
    // bar must fit on the screen as well.
    const int titleBar = titleBarHeight();
    QList<QRect> screens;
    const auto all = QGuiApplication::screens();
    for (const QScreen *screen : all)
        screens.append(screen->availableGeometry().adjusted(0, 0, 0, -titleBar));
    const QRect frame =
        placementInPixels(readPlacement(m_platform.settings(), screenTwips), screenTwips, screens);
    move(frame.topLeft());
    resize(frame.size());
}

int MainWindow::titleBarHeight() const
{
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
}

// The whole screen that hides the task bar is no placement of the user's: the
// window is kept where it was before.
void MainWindow::savePlacement(const QRect &beforeWholeScreen)
{
    QRect frame = frameGeometry();
    QSize inner = size();
    if (beforeWholeScreen.isValid()) {
        frame = beforeWholeScreen.translated(0, -titleBarHeight());
        inner = beforeWholeScreen.size();
    }
    writePlacement(m_platform.settings(),
                   QRect(pixelsToTwips(frame.left()), pixelsToTwips(frame.top()),
                         pixelsToTwips(inner.width()), pixelsToTwips(inner.height())));
}

// The toggle's caption follows, so that the resize this causes changes nothing more.
void MainWindow::showTaskbar()
{
    m_menu[static_cast<std::size_t>(MenuEntry::HideStatusBar)]->setText(
        QStringLiteral("HideStatusBar"));
    m_platform.taskbar().show(*this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_controls.MMControl1->command(QStringLiteral("close"));
    const QRect beforeWholeScreen = isFullScreen() ? normalGeometry() : QRect();
    showTaskbar();
    if (!isMinimized())
        savePlacement(beforeWholeScreen);
    event->accept();
    m_state.requestEnd();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        fitStage();
    // A click in the name box switches the display off.
    if (watched == m_controls.txtFile && event->type() == QEvent::MouseButtonPress)
        m_browser->hideFileNames();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    m_browser->firstClick();
    QMainWindow::mousePressEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    // A hidden task bar comes back whenever the window changes size, except
    // into the whole screen that hides it.
    QAction *toggle = m_menu[static_cast<std::size_t>(MenuEntry::HideStatusBar)];
    if (toggle->text() != QLatin1String("HideStatusBar") && !isFullScreen())
        showTaskbar();
    QMainWindow::resizeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_state.RestorePending) {
        if (m_state.entries().isOpen())
            m_controls.Image4->show();
        m_browser->UpdateEntryButtons();
    }
    QMainWindow::changeEvent(event);
}

} // namespace gallerion
