#pragma once

#include <QList>
#include <QSizeF>
#include <QTextCharFormat>
#include <QTextCursor>

#include "rtf/rtftablerow.h"

class QImage;
class QTextDocument;
class QTextTable;

namespace gallerion::rtf {

// Appends text, paragraphs, tables and pictures to a document in reading
// order. Text is collected per character format and inserted in runs, which
// keeps large files fast.
class DocumentBuilder
{
public:
    // Pictures are kept as resources of resources (the document itself when
    // null), named with the given prefix.
    explicit DocumentBuilder(QTextDocument *document, QTextDocument *resources = nullptr,
                             const QString &imagePrefix = QStringLiteral("rtfpict:"));

    // Table widths are shares of this page width, in twips.
    void setTextWidth(int twips) { m_textWidth = qMax(1, twips); }
    // Tabs past the last tab stop go to multiples of this, in twips.
    void setDefaultTabStop(int twips);
    // Places the cursor for content of a paragraph that is, or is not, in a
    // table; a new table row takes its cells from row.
    void beginContent(bool inTable, const RowDefinition &row);
    void setCharFormat(const QTextCharFormat &format);
    void appendText(const QString &text);
    void insertImage(const QImage &image, QSizeF size);
    void endParagraph(const QTextBlockFormat &format);
    void pageBreak(const QTextBlockFormat &format);
    void endCell(const QTextBlockFormat &format, const RowDefinition &row);
    void endRow(const RowDefinition &row);
    QTextDocument *document() const { return m_document; }
    // Ends the load; call once, last. Notes, when given, follow the text
    // below a short rule.
    void finish(const QTextBlockFormat &format, const QTextDocument *notes = nullptr);

private:
    void flush();
    void finishBlock(QTextBlockFormat format);
    void enterTable(const RowDefinition &row);
    void leaveTable();
    void moveToCell(const RowDefinition &row);
    void startRow(const RowDefinition &row);
    void placeEdges(const RowDefinition &row, QList<qsizetype> &ends);
    void insertGridColumn(qsizetype column);
    void layOutCells(const RowDefinition &row, const QList<qsizetype> &ends);
    void mergeCells(int row, int column, int rows, int columns);
    void mergeVertically(qsizetype column, int span);
    int cellColumn();
    void updateTableFormat(const RowDefinition &row);
    QString addImageResource(const QImage &image);

    QTextDocument *m_document;
    QTextDocument *m_resources;
    QString m_imagePrefix;
    QTextCursor m_cursor;
    QTextCursor m_editBlock;
    QTextCharFormat m_format;
    QString m_pending;
    bool m_breakBeforeBlock = false;
    int m_images = 0;
    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowEnded = false;
    bool m_cellEnded = false;
    int m_textWidth = 8640;
    TableGrid m_grid;
    QList<qsizetype> m_cellColumns; // first grid column of each cell of the row
};

} // namespace gallerion::rtf
