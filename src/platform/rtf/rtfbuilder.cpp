#include "platform/rtf/rtfbuilder.h"

#include "platform/twips.h"

#include <QImage>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace gallerion::rtf {

namespace {

// Word allows 63 cells in a row; a flood of \cell words goes on in the last one.
constexpr int MaxColumns = 64;

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument *document)
    : m_document(document), m_cursor(document), m_editBlock(document)
{
    // One edit for the whole load: without it the document rescans all its
    // frames after every table change, which makes many tables quadratic.
    m_editBlock.beginEditBlock();
}

void DocumentBuilder::beginContent(bool inTable)
{
    if (inTable)
        enterTable();
    else if (m_table && (m_rowEnded || m_column == 0))
        leaveTable();
    else if (m_table)
        moveToCell(); // a row that lost its \intbl still ends in its own cells
}

void DocumentBuilder::setCharFormat(const QTextCharFormat &format)
{
    if (format == m_format)
        return;
    flush();
    m_format = format;
}

void DocumentBuilder::appendText(const QString &text)
{
    m_pending += text;
}

void DocumentBuilder::flush()
{
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, m_format);
    m_pending.clear();
}

void DocumentBuilder::insertImage(const QImage &image, QSizeF size)
{
    flush();
    QTextImageFormat format;
    format.merge(m_format);
    format.setName(addImageResource(image));
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor.insertImage(format);
}

// Pictures that cannot be drawn keep their place as a transparent image of their size.
QString DocumentBuilder::addImageResource(const QImage &image)
{
    if (image.isNull()) {
        const QString blank = QStringLiteral("rtfpict:blank");
        if (!m_document->resource(QTextDocument::ImageResource, QUrl(blank)).isValid()) {
            QImage pixel(1, 1, QImage::Format_ARGB32);
            pixel.fill(Qt::transparent);
            m_document->addResource(QTextDocument::ImageResource, QUrl(blank), pixel);
        }
        return blank;
    }
    const QString name = QStringLiteral("rtfpict:%1").arg(++m_images);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

void DocumentBuilder::finishBlock(QTextBlockFormat format)
{
    flush();
    if (m_breakBeforeBlock)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_breakBeforeBlock = false;
    m_cursor.setBlockFormat(format);
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(m_format); // an empty line is as high as its font
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &format)
{
    finishBlock(format);
    m_cursor.insertBlock(QTextBlockFormat(), m_format);
}

void DocumentBuilder::pageBreak(const QTextBlockFormat &format)
{
    flush();
    if (m_table)
        return;
    if (m_cursor.block().length() > 1)
        endParagraph(format);
    m_breakBeforeBlock = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat &format)
{
    enterTable();
    finishBlock(format);
    ++m_column;
    m_cellEnded = true;
}

void DocumentBuilder::endRow(const RowDefinition &row)
{
    if (!m_table)
        return;
    flush();
    m_rowEnded = true;
    m_cellEnded = false;
    const QList<int> &edges = row.cellRightEdges;
    QTextTableFormat format = m_table->format();
    if (edges.size() == m_table->columns() && format.columnWidthConstraints().isEmpty() &&
        edges.last() > 0) {
        // Widths as shares of the text width, so that a table written for a
        // page fits a narrow box and still fills a printed page.
        constexpr qreal DefaultTextWidthTwips = 8640;
        const qreal total = edges.last();
        QList<QTextLength> widths;
        for (qsizetype i = 0; i < edges.size(); ++i) {
            const int left = i == 0 ? 0 : edges[i - 1];
            widths.append(
                QTextLength(QTextLength::PercentageLength, qMax(1, edges[i] - left) * 100 / total));
        }
        format.setColumnWidthConstraints(widths);
        format.setWidth(QTextLength(QTextLength::PercentageLength,
                                    qMin(100.0, total * 100 / DefaultTextWidthTwips)));
    }
    if (row.borders)
        format.setBorder(1);
    format.setCellPadding(qBound(0, row.gap, 1440) / qreal(TwipsPerPixel));
    m_table->setFormat(format);
}

void DocumentBuilder::enterTable()
{
    if (!m_table) {
        flush();
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setBorderCollapse(true);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        m_table = m_cursor.insertTable(1, 1, format);
        m_row = m_column = 0;
        m_rowEnded = m_cellEnded = false;
        return;
    }
    moveToCell();
}

void DocumentBuilder::moveToCell()
{
    if (m_rowEnded) {
        flush();
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowEnded = false;
    } else if (m_cellEnded) {
        if (m_column >= MaxColumns)
            m_column = MaxColumns - 1;
        else if (m_column >= m_table->columns())
            m_table->appendColumns(1);
    } else {
        return;
    }
    m_cellEnded = false;
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
}

void DocumentBuilder::leaveTable()
{
    flush();
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
}

void DocumentBuilder::finish(const QTextBlockFormat &format)
{
    if (m_table)
        leaveTable();
    finishBlock(format);
    m_editBlock.endEditBlock();
}

} // namespace gallerion::rtf
