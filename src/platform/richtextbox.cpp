#include "platform/richtextbox.h"

#include "platform/rtf/rtfreader.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPointer>
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
    return true;
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
