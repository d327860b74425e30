#include "rtf/rtfbuilder.h"

#include "rtf/rtfunits.h"

#include <QImage>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>

namespace gallerion::rtf {

namespace {

// Word allows 63 cells in a row; a flood of \cell words goes on in the last one.
constexpr int MaxColumns = TableGrid::MaxColumns;

qreal borderPixels(const BorderLine &line)
{
    return qMax<qreal>(1, line.width / qreal(RtfTwipsPerPixel));
}

// Whether a cell has shading or a border; plain cells keep the default format.
bool hasLooks(const RowDefinition &row, qsizetype index)
{
    const CellDefinition &cell = row.cells[index];
    if (cell.shading.isValid() || cell.shadingPercent > 0 || cell.verticalAlignment != Qt::AlignTop)
        return true;
    for (const auto side : {CellDefinition::Top, CellDefinition::Left, CellDefinition::Bottom,
                            CellDefinition::Right}) {
        if (row.border(index, side).present)
            return true;
    }
    return false;
}

QTextTableCellFormat cellFormat(const RowDefinition &row, qsizetype index)
{
    QTextTableCellFormat format;
    const CellDefinition &cell = row.cells[index];
    if (cell.shading.isValid()) {
        format.setBackground(cell.shading);
    } else if (cell.shadingPercent > 0) {
        const int grey = 255 - 255 * cell.shadingPercent / 10000;
        format.setBackground(QColor(grey, grey, grey));
    }
    if (cell.verticalAlignment == Qt::AlignVCenter)
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (cell.verticalAlignment == Qt::AlignBottom)
        format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    using Side = CellDefinition::Side;
    const BorderLine top = row.border(index, Side::Top);
    const BorderLine left = row.border(index, Side::Left);
    const BorderLine bottom = row.border(index, Side::Bottom);
    const BorderLine right = row.border(index, Side::Right);
    format.setTopBorder(top.present ? borderPixels(top) : 0);
    format.setLeftBorder(left.present ? borderPixels(left) : 0);
    format.setBottomBorder(bottom.present ? borderPixels(bottom) : 0);
    format.setRightBorder(right.present ? borderPixels(right) : 0);
    format.setTopBorderBrush(top.colour.isValid() ? top.colour : QColor(Qt::black));
    format.setLeftBorderBrush(left.colour.isValid() ? left.colour : QColor(Qt::black));
    format.setBottomBorderBrush(bottom.colour.isValid() ? bottom.colour : QColor(Qt::black));
    format.setRightBorderBrush(right.colour.isValid() ? right.colour : QColor(Qt::black));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    return format;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument *document, QTextDocument *resources,
                                 const QString &imagePrefix)
    : m_document(document), m_resources(resources ? resources : document),
      m_imagePrefix(imagePrefix), m_cursor(document), m_editBlock(document)
{
    // One edit for the whole load: without it the document rescans all its
    // frames after every table change, which makes many tables quadratic.
    m_editBlock.beginEditBlock();
    setDefaultTabStop(720);
}

void DocumentBuilder::setDefaultTabStop(int twips)
{
    QTextOption option = m_document->defaultTextOption();
    option.setTabStopDistance(twips / qreal(RtfTwipsPerPixel));
    m_document->setDefaultTextOption(option);
}

void DocumentBuilder::beginContent(bool inTable, const RowDefinition &row)
{
    if (inTable)
        enterTable(row);
    else if (m_table && (m_rowEnded || m_column == 0))
        leaveTable();
    else if (m_table)
        moveToCell(row); // a row that lost its \intbl still ends in its own cells
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
        if (!m_resources->resource(QTextDocument::ImageResource, QUrl(blank)).isValid()) {
            QImage pixel(1, 1, QImage::Format_ARGB32);
            pixel.fill(Qt::transparent);
            m_resources->addResource(QTextDocument::ImageResource, QUrl(blank), pixel);
        }
        return blank;
    }
    const QString name = m_imagePrefix + QString::number(++m_images);
    m_resources->addResource(QTextDocument::ImageResource, QUrl(name), image);
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
        // Merged, not set: a cell's first block carries the cell's spans in this format.
        m_cursor.mergeBlockCharFormat(m_format); // an empty line is as high as its font
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

void DocumentBuilder::endCell(const QTextBlockFormat &format, const RowDefinition &row)
{
    enterTable(row);
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
    updateTableFormat(row);
}

void DocumentBuilder::enterTable(const RowDefinition &row)
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
        m_grid = TableGrid();
        startRow(row);
        m_cursor = m_table->cellAt(0, cellColumn()).firstCursorPosition();
        return;
    }
    moveToCell(row);
}

void DocumentBuilder::moveToCell(const RowDefinition &row)
{
    if (m_rowEnded) {
        flush();
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowEnded = false;
        startRow(row);
    } else if (!m_cellEnded) {
        return;
    }
    m_cellEnded = false;
    // At the end: a merged cell gathers its parts in their order.
    m_cursor = m_table->cellAt(m_row, cellColumn()).lastCursorPosition();
}

// The grid column of the current cell; cells past the row's definition get
// columns of their own at the right.
int DocumentBuilder::cellColumn()
{
    qsizetype column = m_column;
    if (m_column < m_cellColumns.size())
        column = m_cellColumns[m_column];
    else if (!m_cellColumns.isEmpty())
        column = m_table->cellAt(m_row, int(m_cellColumns.last())).column() +
                 m_table->cellAt(m_row, int(m_cellColumns.last())).columnSpan() +
                 (m_column - m_cellColumns.size());
    // The grid and the table keep the same columns; a fresh table has one
    // column before the grid has any.
    while (column >= m_table->columns() && m_grid.columns() < MaxColumns) {
        if (m_grid.columns() < m_table->columns())
            m_grid.appendColumn();
        m_table->appendColumns(1);
        m_grid.appendColumn();
    }
    return int(qMin<qsizetype>(column, m_table->columns() - 1));
}

// Lays out a new row: its cell boundaries join the table's grid, and each
// cell spans the grid columns between its boundaries.
void DocumentBuilder::startRow(const RowDefinition &row)
{
    m_cellColumns.clear();
    QList<qsizetype> ends;
    placeEdges(row, ends);
    layOutCells(row, ends);
    updateTableFormat(row);
}

void DocumentBuilder::placeEdges(const RowDefinition &row, QList<qsizetype> &ends)
{
    for (const CellDefinition &cell : row.cells) {
        const bool firstColumn = m_grid.columns() == 0;
        bool inserted = false;
        const qsizetype column = m_grid.place(cell.rightEdge, &inserted);
        if (inserted && !firstColumn)
            insertGridColumn(column);
        for (qsizetype &end : ends) {
            if (inserted && end >= column)
                ++end;
        }
        ends.append(column);
    }
}

// A new boundary splits a column in two; the rows above keep their cells
// whole by spanning both halves. The new column goes to the right of the
// split one, so that each merge keeps its text in its first cell.
void DocumentBuilder::insertGridColumn(qsizetype column)
{
    const int split = int(column);
    const int columns = m_table->columns();
    if (split >= columns) {
        m_table->appendColumns(1); // past every earlier boundary: nothing splits
        return;
    }
    if (split + 1 == columns)
        m_table->appendColumns(1);
    else
        m_table->insertColumns(split + 1, 1);
    for (int r = 0; r < m_row; ++r) {
        const QTextTableCell kept = m_table->cellAt(r, split);
        const QTextTableCell fresh = m_table->cellAt(r, split + 1);
        if (fresh.column() == split + 1 && kept.row() == r &&
            kept.column() + kept.columnSpan() == split + 1)
            mergeCells(r, kept.column(), kept.rowSpan(), kept.columnSpan() + 1);
    }
}

void DocumentBuilder::layOutCells(const RowDefinition &row, const QList<qsizetype> &ends)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < ends.size(); ++i) {
        const CellDefinition &cell = row.cells[i];
        const qsizetype end = qMax(start, ends[i]);
        if (cell.merged && !m_cellColumns.isEmpty()) {
            const qsizetype first = m_cellColumns.last();
            mergeCells(m_row, int(first), 1, int(end - first + 1));
            m_cellColumns.append(first);
            start = end + 1;
            continue;
        }
        const int span = int(end - start + 1);
        if (start >= m_table->columns())
            break;
        if (span > 1)
            mergeCells(m_row, int(start), 1, span);
        m_cellColumns.append(start);
        if (cell.verticallyMerged && m_row > 0)
            mergeVertically(start, span);
        else if (hasLooks(row, i))
            m_table->cellAt(m_row, int(start)).setFormat(cellFormat(row, i));
        start = end + 1;
    }
}

// Merging joins the cells' paragraphs; the empty ones of cells that held
// nothing are taken out again.
void DocumentBuilder::mergeCells(int row, int column, int rows, int columns)
{
    m_table->mergeCells(row, column, rows, columns);
    const QTextTableCell cell = m_table->cellAt(row, column);
    QTextCursor last = cell.firstCursorPosition();
    QTextCursor next = last;
    while (next.movePosition(QTextCursor::NextBlock)) {
        const QTextTableCell at = m_table->cellAt(next);
        if (!at.isValid() || at.row() != cell.row() || at.column() != cell.column())
            break;
        last = next;
    }
    // The empty paragraphs of merged empty cells go again.
    while (last.block().length() <= 1 && last.position() > cell.firstPosition())
        last.deletePreviousChar();
}

void DocumentBuilder::mergeVertically(qsizetype column, int span)
{
    const QTextTableCell above = m_table->cellAt(m_row - 1, int(column));
    if (above.column() != int(column) || above.columnSpan() != span)
        return;
    mergeCells(above.row(), int(column), m_row - above.row() + 1, span);
}

void DocumentBuilder::updateTableFormat(const RowDefinition &row)
{
    QTextTableFormat format = m_table->format();
    const QTextTableFormat before = format;
    if (m_grid.columns() == m_table->columns() && m_grid.right() > row.left) {
        QList<QTextLength> widths;
        for (const qreal share : m_grid.shares(qMin(0, row.left)))
            widths.append(QTextLength(QTextLength::PercentageLength, share));
        format.setColumnWidthConstraints(widths);
        // Shares of the text width, so that a table written for a page fits
        // a narrow box and still fills a printed page.
        format.setWidth(
            QTextLength(QTextLength::PercentageLength,
                        qMin(100.0, (m_grid.right() - qMin(0, row.left)) * 100.0 / m_textWidth)));
    }
    format.setCellPadding(qBound(0, row.gap, 1440) / qreal(RtfTwipsPerPixel));
    if (format != before)
        m_table->setFormat(format);
}

void DocumentBuilder::leaveTable()
{
    flush();
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
}

void DocumentBuilder::finish(const QTextBlockFormat &format, const QTextDocument *notes)
{
    if (m_table)
        leaveTable();
    finishBlock(format);
    if (notes && !notes->isEmpty()) {
        QTextBlockFormat rule;
        rule.setTopMargin(12);
        rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                         QTextLength(QTextLength::PercentageLength, 30));
        m_cursor.insertBlock(rule);
        m_cursor.insertBlock(QTextBlockFormat());
        m_cursor.insertFragment(QTextDocumentFragment(notes));
    }
    m_editBlock.endEditBlock();
}

} // namespace gallerion::rtf
