#include "documents/documentviewer.h"

#include "documents/documentprint.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "widgets/designstage.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace gallerion {

namespace {

// The design, in twips.
constexpr int ClientWidth = 8100;
constexpr int ClientHeight = 6840;
constexpr int ButtonTop = 6360;
constexpr int ButtonHeight = 375;
constexpr int PrintLeft = 7560;
constexpr int ButtonGap = 4;

QPushButton *namedButton(QWidget *parent, const QString &name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A small printer for the square print button; themes on Linux rarely have one.
QIcon printerIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(0xa0, 0xa0, 0xa8));
    painter.drawRect(1, 6, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 5);
    return QIcon(pixmap);
}

} // namespace

DocumentViewer::DocumentViewer(const QString &title, const QSize &screenTwips, double scale,
                               QWidget *parent)
    : DesignedDialog(QSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight)), scale, parent)
{
    setObjectName(QStringLiteral("txtForm"));
    QFont small = font();
    small.setPixelSize(11);
    stage()->setDesignFont(small);
    buildControls();
    buildPrintCommand();
    // The load step.
    centreOnScreen(screenTwips);
    setWindowTitle(title);
    prepareButtons();
    describeControls();
}

void DocumentViewer::buildControls()
{
    DesignStage *stage = this->stage();
    m_close = namedButton(stage, QStringLiteral("SSCommand1"));
    m_close->setText(tr("Close"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    stage->place(m_close, twipsRect(120, ButtonTop, 7815, ButtonHeight));
    connect(m_close, &QPushButton::clicked, this, &DocumentViewer::closeByButton);

    m_print = namedButton(stage, QStringLiteral("cmdPrint"));
    m_print->setIcon(printerIcon());
    stage->place(m_print, twipsRect(PrintLeft, ButtonTop, ButtonHeight, ButtonHeight));

    for (int i = 0; i < 2; ++i)
        m_hidden[i] = namedButton(stage, QStringLiteral("SSCommand%1").arg(i + 2));

    m_text = new RichTextBox(stage);
    m_text->setObjectName(QStringLiteral("rtbText"));
    stage->place(m_text, twipsRect(120, 120, 7815, 6135));
    m_text->setZoom(stage->scale());
    setFocusProxy(m_close);
}

// The print button and Ctrl+P are one command, offered in the text's own menu too.
void DocumentViewer::buildPrintCommand()
{
    m_printCommand = new QAction(printerIcon(), tr("&Print..."), this);
    m_printCommand->setObjectName(QStringLiteral("actPrint"));
    m_printCommand->setShortcut(QKeySequence::Print);
    m_printCommand->setShortcutContext(Qt::WindowShortcut);
    addAction(m_printCommand);
    connect(m_printCommand, &QAction::triggered, this, &DocumentViewer::printRequested);
    connect(m_print, &QPushButton::clicked, m_printCommand, &QAction::trigger);
    m_print->setToolTip(
        tr("Print (%1)").arg(m_printCommand->shortcut().toString(QKeySequence::NativeText)));
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this, &DocumentViewer::showTextMenu);
}

void DocumentViewer::showTextMenu(const QPoint &at)
{
    QMenu *menu = m_text->createStandardContextMenu(at);
    menu->setObjectName(QStringLiteral("mnuText"));
    menu->addSeparator();
    menu->addAction(m_printCommand);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_text->viewport()->mapToGlobal(at));
}

// Screen readers name the picture-only print button by what it does.
void DocumentViewer::describeControls()
{
    m_print->setAccessibleName(tr("Print"));
    m_print->setAccessibleDescription(m_print->toolTip());
    m_close->setAccessibleName(tr("Close"));
    m_text->setAccessibleName(tr("Document text"));
    m_text->setAccessibleDescription(windowTitle());
    stage()->setAccessibleName(tr("Document"));
}

void DocumentViewer::centreOnScreen(const QSize &screenTwips)
{
    const int top = (screenTwips.height() - pixelsToTwips(height())) / 2;
    const int left = (screenTwips.width() - pixelsToTwips(width())) / 2;
    move(twipsToPixels(left), twipsToPixels(top));
}

// The two spare buttons never show, and the close button spans the text box
// up to the print button.
void DocumentViewer::prepareButtons()
{
    for (QPushButton *spare : m_hidden) {
        spare->setEnabled(false);
        spare->hide();
    }
    DesignStage *stage = this->stage();
    const int width = pixelsToTwips(stage->designGeometry(m_text).width()) -
                      pixelsToTwips(stage->designGeometry(m_print).width()) - ButtonGap;
    stage->resizeTo(m_close, QSize(twipsToPixels(width), stage->designGeometry(m_close).height()));
}

bool DocumentViewer::showDocument(QIODevice &device, const QString &programPath,
                                  const QString &displayPath)
{
    if (!m_text->load(device, displayPath))
        return false;
    m_documentPath = programPath;
    return true;
}

const QTextDocument &DocumentViewer::document() const
{
    return *m_text->document();
}

void DocumentViewer::closeByButton()
{
    m_closedByButton = true;
    accept();
}

// Esc closes as the close button does; nothing is lost by it.
void DocumentViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        closeByButton();
        return;
    }
    DesignedDialog::keyPressEvent(event);
}

void DocumentViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_close->setFocus(Qt::ActiveWindowFocusReason);
    QDialog::changeEvent(event);
}

void DocumentViewer::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_close->setFocus(Qt::OtherFocusReason);
}

namespace {

bool loadDocument(DocumentViewer &viewer, const QString &path, const FileSystem &files)
{
    const std::unique_ptr<QIODevice> device = files.open(path);
    return device && viewer.showDocument(*device, path, files.displayPath(path));
}

} // namespace

bool openDocument(const DocumentRequest &request, ProgramState &state, Platform &platform,
                  QWidget *owner)
{
    // QPointer notices if the program ends and takes the owner, and the viewer, with it.
    QPointer<DocumentViewer> viewer = new DocumentViewer(request.title, platform.screen().twips(),
                                                         platform.screen().designScale(), owner);
    platform.screen().setBusy(true);
    const bool loaded = loadDocument(*viewer, request.path, platform.files());
    platform.screen().setBusy(false);
    if (!loaded) {
        delete viewer.data();
        ReportError(state, platform, request.errorCode);
        return false;
    }
    if (request.bringToFront)
        viewer->raise();
    QObject::connect(&state, &ProgramState::endRequested, viewer.data(), &QDialog::reject);
    QObject::connect(
        viewer.data(), &DocumentViewer::printRequested, viewer.data(), [&state, &platform, viewer] {
            printShownDocument(viewer->document(), viewer->windowTitle(), state, platform);
        });
    viewer->exec();
    const bool byButton = viewer && viewer->closedByButton();
    delete viewer.data();
    // The close box leaves the keyboard where it was; the button hands it back.
    if (byButton && !state.isEnding())
        state.returnToMainWindow();
    return true;
}

} // namespace gallerion
