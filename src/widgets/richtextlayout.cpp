#include "widgets/richtextlayout.h"

#include "rtf/rtftabs.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace gallerion {

// Every line of the laid-out document in reading order, table cells included.
QList<RichTextPages::PlacedLine> RichTextPages::placedLines(QTextDocument &document)
{
    QList<PlacedLine> lines;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *text = block.layout();
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        const bool breakBefore =
            block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            const qreal top = origin.y() + line.y();
            lines.append({block.position() + line.textStart(), top, top + line.height(),
                          breakBefore && i == 0});
        }
    }
    return lines;
}

RichTextPages::RichTextPages(const QTextDocument &document, QPaintDevice *device, qreal pageWidth)
    : m_document(document.clone())
{
    // Pages are drawn after the whole text is laid out: keeping the shaped
    // glyphs saves shaping every line a second time to draw it.
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    m_document->documentLayout()->setPaintDevice(device);
    m_document->setTextWidth(pageWidth);
    rtf::fitTabStops(m_document.get(), pageWidth - 2 * m_document->documentMargin());
    m_lines = placedLines(*m_document);
}

RichTextPages::~RichTextPages() = default;

int RichTextPages::characterCount() const
{
    return m_document->characterCount() - 1; // without the final paragraph mark
}

int RichTextPages::renderPage(QPainter *painter, const QRectF &page, int firstChar)
{
    const QList<PlacedLine> &lines = m_lines;
    qsizetype first = 0;
    while (first + 1 < lines.size() && lines[first + 1].firstChar <= firstChar)
        ++first;
    if (lines.isEmpty() || firstChar >= characterCount())
        return characterCount();
    const qreal top = lines[first].top;
    qsizetype next = first + 1;
    while (next < lines.size() && !lines[next].breakBefore &&
           lines[next].bottom - top <= page.height())
        ++next;
    // A line taller than the page still goes on a page of its own.
    const qreal bottom = lines[next - 1].bottom;
    if (painter) {
        painter->save();
        painter->translate(page.left(), page.top() - top);
        const QRectF clip(0, top, page.width(), bottom - top);
        painter->setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        m_document->documentLayout()->draw(painter, context);
        rtf::drawTabLeaders(painter, *m_document, clip);
        painter->restore();
    }
    return next < lines.size() ? lines[next].firstChar : characterCount();
}

int formatRange(const QTextDocument &document, QPainter *painter, const QRectF &page, int firstChar)
{
    RichTextPages pages(document, painter ? painter->device() : nullptr, page.width());
    return pages.renderPage(painter, page, firstChar);
}

} // namespace gallerion
