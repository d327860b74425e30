#include "platform/helpservice.h"

#include "platform/helpwindow.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "platform/messagebox.h"

#include <QEvent>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

namespace gallerion {

namespace {

HelpWindow *helpWindowOf(QWidget *window)
{
    return window->window()->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
}

void traceHelp(const char *action, const QString &page)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("help")},
                  {QStringLiteral("action"), QLatin1String(action)},
                  {QStringLiteral("value"), page}});
}

} // namespace

HelpService::HelpService(QStringList folders, Platform &platform)
    : QObject(&platform), m_folders(std::move(folders)), m_platform(platform)
{}

QString HelpService::contentsPage() const
{
    for (const QString &folder : m_folders) {
        const QFileInfo page(folder + QStringLiteral("/index.html"));
        if (page.isFile())
            return page.absoluteFilePath();
    }
    return {};
}

HelpWindow *HelpService::showContents(QWidget *window)
{
    const QString page = contentsPage();
    traceHelp("contents", page);
    if (page.isEmpty()) {
        MessageRequest request;
        request.title = QStringLiteral("The Zarvick Gallerion");
        request.icon = MessageIcon::Exclamation;
        request.text = QStringLiteral("The help pages cannot be found. They belong in one of "
                                      "these folders:\r\n\r\n") +
                       m_folders.join(QStringLiteral("\r\n"));
        m_platform.messages().ask(request);
        return nullptr;
    }
    // A child of the window, so that it stays usable over a modal window and
    // goes with it.
    HelpWindow *help = helpWindowOf(window);
    if (!help)
        help = new HelpWindow(QUrl::fromLocalFile(page), window->window());
    else
        help->showContents();
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

void HelpService::attach(QWidget *window)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(window->isWindow() ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    connect(key, &QShortcut::activated, this, [this, window] { showContents(window); });
    window->installEventFilter(this);
}

bool HelpService::eventFilter(QObject *watched, QEvent *event)
{
    // A minimised window keeps its help; one that closes takes it along.
    if (event->type() == QEvent::Hide && !event->spontaneous()) {
        if (HelpWindow *help = helpWindowOf(static_cast<QWidget *>(watched))) {
            traceHelp("close", QString());
            help->close();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gallerion
