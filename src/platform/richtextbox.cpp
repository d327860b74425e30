#include "platform/richtextbox.h"

#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtftabs.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

namespace gallerion {

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
}

bool RichTextBox::setFileName(const QString &nativePath, QString *error)
{
    // Read into a fresh document so that a failure leaves the shown one alone.
    auto *document = new QTextDocument(this);
    if (!rtf::readRtfFile(nativePath, document, error)) {
        delete document;
        return false;
    }
    // The box's first document belongs to the editor, which deletes it itself.
    const QPointer<QTextDocument> old = this->document();
    setDocument(document);
    if (old && old->parent() == this)
        delete old;
    m_fileName = nativePath;
    fitTabStops();
    return true;
}

void RichTextBox::fitTabStops()
{
    rtf::fitTabStops(document(), viewport()->width() - 2 * document()->documentMargin());
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

void RichTextBox::setTwipsGeometry(int left, int top, int width, int height)
{
    setGeometry(twipsRect(left, top, width, height));
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
