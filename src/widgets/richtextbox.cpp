#include "widgets/richtextbox.h"

#include "rtf/rtfreader.h"
#include "rtf/rtftabs.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

#include <cmath>

namespace gallerion {

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
}

bool RichTextBox::setFileName(const QString &nativePath, QString *error)
{
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(nativePath, file.errorString());
        return false;
    }
    return load(file, nativePath, error);
}

bool RichTextBox::load(QIODevice &device, const QString &name, QString *error)
{
    // Read into a fresh document so that a failure leaves the shown one alone.
    auto *document = new QTextDocument(this);
    QString reason;
    if (!rtf::readRtfDevice(device, document, &reason)) {
        delete document;
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, reason);
        return false;
    }
    // The box's first document belongs to the editor, which deletes it itself.
    const QPointer<QTextDocument> old = this->document();
    setDocument(document);
    if (old && old->parent() == this)
        delete old;
    m_fileName = name;
    applyZoom();
    fitTabStops();
    return true;
}

// Tab stops are measured in the document's own units, which the zoom enlarges.
void RichTextBox::fitTabStops()
{
    rtf::fitTabStops(document(), viewport()->width() / m_zoom - 2 * document()->documentMargin());
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    fitTabStops();
}

// Qt draws no tab leaders; they go over the text it drew.
void RichTextBox::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scrolled);
    rtf::drawTabLeaders(&painter, *document(), QRectF(event->rect()).translated(scrolled));
}

void RichTextBox::setZoom(double zoom)
{
    if (zoom <= 0 || zoom == m_zoom)
        return;
    m_zoom = zoom;
    applyZoom();
    fitTabStops();
}

void RichTextBox::applyZoom()
{
    QTextDocument *text = document();
    if (m_zoom == 1.0) {
        text->documentLayout()->setPaintDevice(nullptr);
    } else {
        constexpr double InchesPerMetre = 1 / 0.0254;
        const int dotsPerMetre = int(std::lround(logicalDpiY() * m_zoom * InchesPerMetre));
        m_layoutDevice = QImage(1, 1, QImage::Format_RGB32);
        m_layoutDevice.setDotsPerMeterX(dotsPerMetre);
        m_layoutDevice.setDotsPerMeterY(dotsPerMetre);
        text->documentLayout()->setPaintDevice(&m_layoutDevice);
    }
    // What was laid out for the old resolution is laid out again.
    text->markContentsDirty(0, text->characterCount());
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       viewport()->rect().contains(event->position().toPoint());
    m_pressed = false;
    QTextEdit::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace gallerion
