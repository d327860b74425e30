#include "widgets/printrichtext.h"

#include "platform/printer.h"
#include "widgets/richtextlayout.h"

#include <QPainter>
#include <QTextDocument>

namespace gallerion {

namespace {

struct Margins
{
    int left;
    int top;
    int right;
    int bottom;
};

// The rectangle between the margins, in device pixels of the printable area,
// whose corner lies at the printer's physical offsets from the paper's edge.
QRectF textArea(const Printer &printer, const Margins &margins)
{
    const int offsetX = printer.physicalOffsetXTwips();
    const int offsetY = printer.physicalOffsetYTwips();
    const int width = printer.pageWidthTwips() - margins.right - margins.left;
    const int height = printer.pageHeightTwips() - margins.bottom - margins.top;
    return QRectF(printer.twipsToDevice(margins.left - offsetX),
                  printer.twipsToDevice(margins.top - offsetY), printer.twipsToDevice(width),
                  printer.twipsToDevice(height));
}

// The job is open before the page is measured: opening it settles which
// printer, and so which printable area, it goes to.
bool drawPages(Printer &printer, const QTextDocument &text, const Margins &margins)
{
    QPainter *painter = printer.pagePainter();
    if (!painter)
        return false;
    const QRectF area = textArea(printer, margins);
    RichTextPages pages(text, painter->device(), area.width());
    int next = pages.renderPage(painter, area, 0);
    while (next < pages.characterCount()) {
        if (!printer.newPage() || !(painter = printer.pagePainter()))
            return false;
        next = pages.renderPage(painter, area, next);
    }
    return true;
}

} // namespace

bool PrintRichText(Printer &printer, const QTextDocument &text, int left, int top, int right,
                   int bottom)
{
    const bool drawn = drawPages(printer, text, {left, top, right, bottom});
    // A job that failed half-way is ended all the same, so the printer is free
    // for the next one.
    const bool sent = printer.endDoc();
    return drawn && sent;
}

} // namespace gallerion
