#pragma once

#include <QList>
#include <QSizeF>
#include <QTextCharFormat>
#include <QTextCursor>

class QImage;
class QTextDocument;
class QTextTable;

namespace gallerion::rtf {

// What the current table row says about its cells.
struct RowDefinition
{
    QList<int> cellRightEdges; // \cellx, twips from the left margin
    bool borders = false;
    int gap = 0; // \trgaph, twips
};

// Appends text, paragraphs, tables and pictures to a document in reading
// order. Text is collected per character format and inserted in runs, which
// keeps large files fast.
class DocumentBuilder
{
public:
    explicit DocumentBuilder(QTextDocument *document);

    // Places the cursor for content of a paragraph that is, or is not, in a table.
    void beginContent(bool inTable);
    void setCharFormat(const QTextCharFormat &format);
    void appendText(const QString &text);
    void insertImage(const QImage &image, QSizeF size);
    void endParagraph(const QTextBlockFormat &format);
    void pageBreak(const QTextBlockFormat &format);
    void endCell(const QTextBlockFormat &format);
    void endRow(const RowDefinition &row);
    // Ends the load; call once, last.
    void finish(const QTextBlockFormat &format);

private:
    void flush();
    void finishBlock(QTextBlockFormat format);
    void enterTable();
    void leaveTable();
    void moveToCell();
    QString addImageResource(const QImage &image);

    QTextDocument *m_document;
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
};

} // namespace gallerion::rtf
