#include "platform/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace gallerion {

namespace {

QToolButton *toolButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

HelpWindow::HelpWindow(const QUrl &contents, QWidget *parent)
    : QWidget(parent, Qt::Window), m_contents(contents)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    // The pages' own link to their style sheet is not followed by the browser.
    QFile style(QFileInfo(contents.toLocalFile()).dir().filePath(QStringLiteral("help.css")));
    if (style.open(QIODevice::ReadOnly))
        m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(m_browser->documentTitle() +
                       QStringLiteral(" - The Zarvick Gallerion Help"));
        m_findResult->clear();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildToolBar());
    layout->addWidget(m_browser);
    // Reading help loses nothing, so Esc closes it as the close button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Over the middle of the window it belongs to, and on the screen.
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    resize(QSize(720, 560).boundedTo(available.size() * 9 / 10));
    QRect place(QPoint(), size());
    place.moveCenter(parent ? parent->window()->frameGeometry().center() : available.center());
    place.moveTopLeft(
        QPoint(std::clamp(place.left(), available.left(), available.right() - width()),
               std::clamp(place.top(), available.top(), available.bottom() - height())));
    move(place.topLeft());
    m_browser->setSource(m_contents);
}

QWidget *HelpWindow::buildToolBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton *contents = toolButton(bar, QStringLiteral("HelpContents"), tr("Contents"));
    QToolButton *back = toolButton(bar, QStringLiteral("HelpBack"), tr("Back"));
    QToolButton *forward = toolButton(bar, QStringLiteral("HelpForward"), tr("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

    m_findText = new QLineEdit(bar);
    m_findText->setObjectName(QStringLiteral("HelpFindText"));
    m_findText->setPlaceholderText(tr("Find on this page"));
    m_findText->setClearButtonEnabled(true);
    QToolButton *findNext = toolButton(bar, QStringLiteral("HelpFindNext"), tr("Find Next"));
    connect(m_findText, &QLineEdit::returnPressed, this, &HelpWindow::find);
    connect(findNext, &QToolButton::clicked, this, &HelpWindow::find);
    m_findResult = new QLabel(bar);
    m_findResult->setObjectName(QStringLiteral("HelpFindResult"));
    m_findResult->setAccessibleName(tr("Search result"));
    m_findText->setAccessibleName(tr("Find on this page"));
    QToolButton *close = toolButton(bar, QStringLiteral("HelpClose"), tr("Close"));
    close->setToolTip(tr("Close the help (Esc)"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    bar->setAccessibleName(tr("Help tools"));

    row->addWidget(contents);
    row->addWidget(back);
    row->addWidget(forward);
    row->addSpacing(12);
    row->addWidget(m_findText, 1);
    row->addWidget(findNext);
    row->addWidget(m_findResult);
    row->addSpacing(12);
    row->addWidget(close);
    return bar;
}

void HelpWindow::showContents()
{
    m_browser->setSource(m_contents);
}

bool HelpWindow::findNext(const QString &text)
{
    if (text.isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    QTextCursor top = m_browser->textCursor();
    top.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(top);
    return m_browser->find(text);
}

void HelpWindow::find()
{
    const QString text = m_findText->text();
    const bool found = findNext(text);
    m_findResult->setText(found || text.isEmpty() ? QString() : tr("Not found"));
}

} // namespace gallerion
