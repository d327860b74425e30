#include "rtf/rtfstate.h"

#include "rtf/rtfunits.h"

namespace gallerion::rtf {

namespace {

qreal pixels(int twips)
{
    return twips / qreal(RtfTwipsPerPixel);
}

void setLineSpacing(QTextBlockFormat &format, const ParagraphProperties &paragraph)
{
    const int spacing = paragraph.lineSpacing;
    if (spacing == 0)
        return;
    if (paragraph.lineMultiple && spacing > 0)
        format.setLineHeight(spacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (spacing > 0)
        format.setLineHeight(pixels(spacing), QTextBlockFormat::MinimumHeight);
    else
        format.setLineHeight(pixels(-spacing), QTextBlockFormat::FixedHeight);
}

} // namespace

QTextBlockFormat blockFormat(const ParagraphProperties &paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    if (paragraph.leftIndent != 0)
        format.setLeftMargin(pixels(paragraph.leftIndent));
    if (paragraph.rightIndent != 0)
        format.setRightMargin(pixels(paragraph.rightIndent));
    if (paragraph.firstIndent != 0)
        format.setTextIndent(pixels(paragraph.firstIndent));
    if (paragraph.spaceBefore != 0)
        format.setTopMargin(pixels(paragraph.spaceBefore));
    if (paragraph.spaceAfter != 0)
        format.setBottomMargin(pixels(paragraph.spaceAfter));
    setLineSpacing(format, paragraph);
    setTabStops(format, paragraph.tabs, paragraph.leftIndent, paragraph.firstIndent);
    return format;
}

} // namespace gallerion::rtf
