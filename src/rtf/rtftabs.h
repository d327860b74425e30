#pragma once

#include <QList>
#include <QTextFormat>
#include <QTextOption>

class QPainter;
class QRectF;
class QTextBlockFormat;
class QTextDocument;

namespace gallerion::rtf {

// How the space a tab jumps over is filled.
enum class TabLeader
{
    None,
    Dots,
    Hyphens,
    Line,
    Equals
};

// A tab stop as the document gives it: measured from the page's left margin.
struct TabStop
{
    int twips = 0;
    QTextOption::TabType type = QTextOption::LeftTab;
    TabLeader leader = TabLeader::None;

    bool operator==(const TabStop &) const = default;
};

// Block properties that the reader leaves for whoever lays the text out.
inline constexpr int TabLeadersProperty = QTextFormat::UserProperty + 1;
inline constexpr int WrittenTabsProperty = QTextFormat::UserProperty + 2;

// Sets the block's tab positions, which Qt measures from where the first
// line starts, and their leaders. A hanging indent is a tab stop of its own.
void setTabStops(QTextBlockFormat &format, const QList<TabStop> &stops, int leftIndent,
                 int firstIndent);

// Brings tab stops that lie past the text width back to its right edge, so
// that a right tab at a page's margin stays on its line in a narrower box.
// Call again whenever the width changes.
void fitTabStops(QTextDocument *document, qreal width);

// Draws the dots and lines of tab leaders over laid-out text within clip
// (document coordinates).
void drawTabLeaders(QPainter *painter, const QTextDocument &document, const QRectF &clip);

} // namespace gallerion::rtf
