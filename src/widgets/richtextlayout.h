#pragma once

#include <QList>
#include <QRectF>

#include <memory>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace gallerion {

// Lays a rich text out page by page on a device, the way a printer needs it:
// each call draws the text from a character position into a rectangle and
// answers the first character that did not fit. The document is copied once,
// so the box it came from may change or go away meanwhile.
class RichTextPages
{
public:
    RichTextPages(const QTextDocument &document, QPaintDevice *device, qreal pageWidth);
    ~RichTextPages();

    // Draws whole lines from the line holding firstChar down to the rectangle's
    // bottom (or to a forced page break) and returns the first character not
    // drawn; characterCount() once everything is placed. Nothing is drawn when
    // painter is null, which measures a page.
    int renderPage(QPainter *painter, const QRectF &page, int firstChar);
    int characterCount() const;

private:
    struct PlacedLine
    {
        int firstChar;
        qreal top;
        qreal bottom;
        bool breakBefore; // the first line of a block that must start a page
    };
    static QList<PlacedLine> placedLines(QTextDocument &document);

    std::unique_ptr<QTextDocument> m_document;
    // Every line of the laid-out document in reading order, found once.
    QList<PlacedLine> m_lines;
};

// The one-call form of the above: measure and render a character range into a
// rectangle of the painter's device, returning the first character not yet placed.
int formatRange(const QTextDocument &document, QPainter *painter, const QRectF &page,
                int firstChar);

} // namespace gallerion
