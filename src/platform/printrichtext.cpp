#include "platform/printrichtext.h"

#include "platform/printer.h"
#include "platform/richtextbox.h"
#include "platform/richtextlayout.h"

#include <QPainter>

namespace gallerion {

namespace {

// The rectangle between the margins, in device pixels of the printable area,
// whose corner lies at the printer's physical offsets from the paper's edge.
QRectF textArea(const Printer &printer, int left, int top, int right, int bottom)
{
    const int offsetX = printer.physicalOffsetXTwips();
    const int offsetY = printer.physicalOffsetYTwips();
    const int width = printer.pageWidthTwips() - right - left;
    const int height = printer.pageHeightTwips() - bottom - top;
    return QRectF(printer.twipsToDevice(left - offsetX), printer.twipsToDevice(top - offsetY),
                  printer.twipsToDevice(width), printer.twipsToDevice(height));
}

} // namespace

bool PrintRichText(Printer &printer, const RichTextBox &box, int left, int top, int right,
                   int bottom)
{
    QPainter *painter = printer.pagePainter();
    if (!painter)
        return false;
    const QRectF area = textArea(printer, left, top, right, bottom);
    RichTextPages pages(*box.document(), painter->device(), area.width());
    int next = pages.renderPage(painter, area, 0);
    while (next < pages.characterCount()) {
        if (!printer.newPage() || !(painter = printer.pagePainter()))
            return false;
        next = pages.renderPage(painter, area, next);
    }
    return printer.endDoc();
}

} // namespace gallerion
