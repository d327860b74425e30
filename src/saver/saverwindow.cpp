#include "saver/saverwindow.h"

#include "widgets/photobox.h"
#include "platform/photoloader.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace gallerion {

namespace {
// A mouse that moves less than this is a knock on the desk, not the user.
constexpr int MouseSlack = 8;
} // namespace

SaverWindow::SaverWindow(SaverPlan plan, SaverMode mode, QWidget *parent)
    : QWidget(parent), m_plan(std::move(plan)), m_mode(mode), m_box(new PhotoBox(this)),
      m_why(new QLabel(m_plan.why, this)), m_loader(new PhotoLoader(this))
{
    setObjectName(QStringLiteral("ScreenSaver"));
    setWindowTitle(QStringLiteral("The Zarvick Gallerion 2001"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(150, 150, 150));
    setPalette(black);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    if (m_mode == SaverMode::FullScreen)
        setCursor(Qt::BlankCursor);

    m_box->setObjectName(QStringLiteral("Photo"));
    m_why->setObjectName(QStringLiteral("Why"));
    m_why->setAlignment(Qt::AlignCenter);
    m_why->setWordWrap(true);
    m_why->setVisible(m_plan.photos.isEmpty());
    m_box->setVisible(!m_plan.photos.isEmpty());
    // The window itself takes every key and mouse event.
    m_box->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_why->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    layout->addWidget(m_why);

    m_timer.setInterval(m_plan.intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SaverWindow::showNext);
    if (!m_plan.photos.isEmpty())
        m_timer.start();
}

void SaverWindow::showNext()
{
    showPhoto((m_shown + 1) % m_plan.photos.size());
}

// A photo that cannot be read leaves the last one on view until the next turn.
void SaverWindow::showPhoto(qsizetype index)
{
    m_shown = index;
    const QSize box = m_box->decodeBox();
    const QString &path = m_plan.photos.at(index);
    const QImage image = m_loader->photo(path, box);
    m_loader->preload({m_plan.photos.at((index + 1) % m_plan.photos.size())}, box);
    if (image.isNull())
        return;
    m_box->setImage(image);
    m_photo = path;
    emit photoShown(path);
}

void SaverWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_plan.photos.isEmpty() || m_box->decodeBox().isEmpty())
        return;
    showPhoto(m_shown < 0 ? 0 : m_shown);
}

void SaverWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    endOn(false);
}

void SaverWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    endOn(true);
}

void SaverWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->globalPosition().toPoint();
    if (!m_firstMouse) {
        m_firstMouse = at;
        return;
    }
    if ((at - *m_firstMouse).manhattanLength() > MouseSlack)
        endOn(true);
}

void SaverWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void SaverWindow::endOn(bool mouse)
{
    if (m_mode == SaverMode::FullScreen || (m_mode == SaverMode::InWindow && !mouse))
        close();
}

} // namespace gallerion
